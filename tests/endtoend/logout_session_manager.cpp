// SPDX-FileCopyrightText: 2026 The Parolix developers
// SPDX-License-Identifier: GPL-2.0-or-later

// The least of an X session manager, as a desktop's is when a player logs
// out: it takes clients over XSMP, writes the address they reach it by
// (SESSION_MANAGER) to the file named on its command line, and at each
// SIGUSR1 asks its clients to save for a shutdown, then tells each to die.
// SIGUSR2 asks for a checkpoint (a save, the session going on); SIGHUP for a
// shutdown that is cancelled once the clients have saved. What happens is
// told on standard output.
//   logout_session_manager ADDRESS_FILE
#include <X11/ICE/ICElib.h>
#include <X11/SM/SMlib.h>

#include <poll.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <vector>

namespace {

enum Request : int { None, Logout, Checkpoint, CancelledLogout };
volatile std::sig_atomic_t asked = None;
Request current = None;
std::vector<SmsConn> clients;
std::vector<IceConn> connections;

void say(const char* what)
{
    std::printf("session manager: %s\n", what);
    std::fflush(stdout);
}

Status registerClient(SmsConn c, SmPointer, char* previousId)
{
    clients.push_back(c);
    say("client registered");
    return SmsRegisterClientReply(c, previousId ? previousId : SmsGenerateClientID(c));
}

void interactRequest(SmsConn c, SmPointer, int)
{
    say("client asked to interact with the player");
    SmsInteract(c);
}

void saveDone(SmsConn c, SmPointer, Bool success)
{
    if (current == Checkpoint) {
        say(success ? "client saved; checkpoint complete" : "client failed to save; checkpoint complete");
        SmsSaveComplete(c);
    } else if (current == CancelledLogout) {
        say(success ? "client saved; shutdown cancelled" : "client failed to save; shutdown cancelled");
        SmsShutdownCancelled(c);
    } else {
        say(success ? "client saved; told to die" : "client failed to save; told to die");
        SmsDie(c);
    }
}

Status newClient(SmsConn, SmPointer, unsigned long* mask, SmsCallbacks* cb, char**)
{
    *mask = SmsRegisterClientProcMask | SmsInteractRequestProcMask | SmsInteractDoneProcMask |
            SmsSaveYourselfRequestProcMask | SmsSaveYourselfP2RequestProcMask | SmsSaveYourselfDoneProcMask |
            SmsCloseConnectionProcMask | SmsSetPropertiesProcMask | SmsDeletePropertiesProcMask |
            SmsGetPropertiesProcMask;
    *cb = {};
    cb->register_client.callback = registerClient;
    cb->interact_request.callback = interactRequest;
    cb->interact_done.callback = [](SmsConn, SmPointer, Bool) {};
    cb->save_yourself_request.callback = [](SmsConn, SmPointer, int, Bool, int, Bool, Bool) {};
    cb->save_yourself_phase2_request.callback = [](SmsConn c, SmPointer) { SmsSaveYourselfPhase2(c); };
    cb->save_yourself_done.callback = saveDone;
    cb->close_connection.callback = [](SmsConn c, SmPointer, int, char**) {
        say("client closed its connection");
        std::erase(clients, c);
        SmsCleanUp(c);
    };
    cb->set_properties.callback = [](SmsConn, SmPointer, int n, SmProp** props) {
        for (int i = 0; i < n; ++i) SmFreeProperty(props[i]);
        std::free(props);
    };
    cb->delete_properties.callback = [](SmsConn, SmPointer, int, char**) {};
    cb->get_properties.callback = [](SmsConn c, SmPointer) { SmsReturnProperties(c, 0, nullptr); };
    return 1;
}

Bool anyLocalHost(char*)
{
    return True;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) return 2;
    char error[256];
    int listeners = 0;
    IceListenObj* listening = nullptr;
    if (!SmsInitialize("parolix-test", "1", newClient, nullptr, anyLocalHost, sizeof error, error) ||
        !IceListenForConnections(&listeners, &listening, sizeof error, error)) {
        std::fprintf(stderr, "session manager: %s\n", error);
        return 1;
    }
    for (int i = 0; i < listeners; ++i) IceSetHostBasedAuthProc(listening[i], anyLocalHost);
    // A client gone mid-message is no reason to stop.
    IceSetIOErrorHandler([](IceConn) {});
    std::ofstream(argv[1]) << IceComposeNetworkIdList(listeners, listening) << "\n";
    std::signal(SIGUSR1, [](int) { asked = Logout; });
    std::signal(SIGUSR2, [](int) { asked = Checkpoint; });
    std::signal(SIGHUP, [](int) { asked = CancelledLogout; });

    for (;;) {
        if (asked != None) {
            current = static_cast<Request>(static_cast<int>(asked));
            asked = None;
            say(current == Checkpoint ? "checkpoint" : "logging out");
            for (SmsConn c : clients) SmsSaveYourself(c, SmSaveBoth, current != Checkpoint, SmInteractStyleAny, False);
        }
        std::vector<pollfd> fds;
        for (int i = 0; i < listeners; ++i) fds.push_back({IceGetListenConnectionNumber(listening[i]), POLLIN, 0});
        for (IceConn c : connections) fds.push_back({IceConnectionNumber(c), POLLIN, 0});
        if (poll(fds.data(), fds.size(), 100) <= 0) continue;
        std::vector<IceConn> open;
        for (size_t i = 0; i < connections.size(); ++i) {
            IceConn c = connections[i];
            const short events = fds[static_cast<size_t>(listeners) + i].revents;
            if ((events & (POLLIN | POLLHUP)) && IceProcessMessages(c, nullptr, nullptr) == IceProcessMessagesIOError) {
                say("connection ended");
                IceSetShutdownNegotiation(c, False);
                IceCloseConnection(c);
            } else {
                open.push_back(c);
            }
        }
        for (int i = 0; i < listeners; ++i)
            if (fds[static_cast<size_t>(i)].revents & POLLIN) {
                IceAcceptStatus status;
                if (IceConn c = IceAcceptConnection(listening[i], &status)) open.push_back(c);
            }
        connections = open;
    }
}
