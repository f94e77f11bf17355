// SPDX-FileCopyrightText: 2026 The Parolix developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "launcher/Form1Text.h"

#include "ui/Messages.h"

namespace form1text {

std::string picturesFailedMessage(const std::vector<std::pair<std::string, Error>>& failed)
{
    std::string list;
    for (const auto& [file, error] : failed) {
        if (!list.empty()) list += ", ";
        list += file + " (" + errorReason(error) + ")";
    }
    return "Alcune immagini dei generi non si possono caricare: " + list +
           ". I riquadri restano senza immagine, ma si pu\xf2 giocare lo stesso.";
}

} // namespace form1text
