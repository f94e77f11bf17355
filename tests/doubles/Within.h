// SPDX-FileCopyrightText: 2026 The Parolix developers
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once
// Indexing in tests. A test that reads a board, a word or a list at an index
// the code under test got wrong must fail by name, saying which index ran
// past what, instead of reading past the end and taking the whole test
// program down. GoogleTest reports the exception as the test's failure.

#include <cstddef>
#include <iterator>
#include <sstream>
#include <stdexcept>

template <typename Container> decltype(auto) within(Container&& items, long long index, const char* what = "index")
{
    const auto size = static_cast<long long>(std::size(items));
    if (index < 0 || index >= size) {
        std::ostringstream why;
        why << what << " " << index << " lies outside 0.." << size - 1;
        throw std::out_of_range(why.str());
    }
    return items[static_cast<size_t>(index)];
}
