// SPDX-FileCopyrightText: 2026 The Parolix developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "launcher/SystemEnd.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSocketNotifier>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <unistd.h>

namespace {

// The signal handler only writes the signal's number here; the event loop
// reads it and does the work.
int signalPipe[2] = {-1, -1};

extern "C" void wakeTheEventLoop(int signal)
{
    const int saved = errno;
    const unsigned char byte = static_cast<unsigned char>(signal);
    (void)!::write(signalPipe[1], &byte, 1);
    errno = saved;
}

} // namespace

std::string diskName(const QString& path)
{
    return QFile::encodeName(path).toStdString();
}

QString fromDiskName(const std::string& path)
{
    return QFile::decodeName(QByteArray::fromStdString(path));
}

void addSystemFacts(LayoutFacts& facts, const QString&)
{
    // access() also says no for a read-only mount, which the mode bits hide.
    facts.programWritable = ::access(facts.programFolder.c_str(), W_OK) == 0;
    // Straight from the environment, byte for byte: a folder name that is not
    // UTF-8 would not survive a trip through QString.
    facts.playerDataFolder = playerDataFolderFrom(std::getenv("XDG_DATA_HOME"), std::getenv("HOME"));
    if (facts.playerDataFolder.empty()) facts.playerDataFolder = diskName(QDir::homePath() + "/.local/share/parolix");
}

std::unique_ptr<QObject> watchSystemEnd(std::function<void()> end)
{
    if (::pipe2(signalPipe, O_CLOEXEC | O_NONBLOCK) != 0) return nullptr;
    auto notifier = std::make_unique<QSocketNotifier>(signalPipe[0], QSocketNotifier::Read);
    QObject::connect(notifier.get(), &QSocketNotifier::activated, [end = std::move(end)] {
        unsigned char byte = 0;
        while (::read(signalPipe[0], &byte, 1) == 1) {
        }
        end();
        std::fflush(nullptr);
        QCoreApplication::exit(0);
    });
    struct sigaction action = {};
    action.sa_handler = wakeTheEventLoop;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int signal : {SIGTERM, SIGHUP}) ::sigaction(signal, &action, nullptr);
    return notifier;
}
