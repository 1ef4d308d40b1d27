// A desktop session manager reduced to what the desktop test needs: it
// speaks XSMP (libSM over libICE) to the program as a real one would, and
// does what the test script tells it, one command a line on standard input:
//
//   save      a session save (a checkpoint) that allows interaction
//   logout    a log-out: a save with shutdown that allows interaction
//   cancel    the log-out cancelled (ShutdownCancelled)
//   die       the session ends (Die), after a log-out's save
//
// It writes on standard output the address to put in SESSION_MANAGER
// ("address ..."), then one line for each thing the program tells it
// ("registered", "save-done", "interact", "closed"). It ends when standard
// input closes. Any client is accepted: the test runs on a private display.
#include <X11/ICE/ICElib.h>
#include <X11/SM/SMlib.h>

#include <poll.h>
#include <unistd.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

struct Client {
    SmsConn conn = nullptr;
    bool shuttingDown = false; // the save under way is a log-out's
};

Client client;
std::vector<IceConn> connections;

void say(const char* what)
{
    std::printf("%s\n", what);
    std::fflush(stdout);
}

Bool acceptAnyHost(char*) // the host name stays libICE's to free
{
    return True;
}

Status registerClient(SmsConn conn, SmPointer, char* previousId)
{
    std::free(previousId);
    char* id = SmsGenerateClientID(conn);
    if (!id)
        return 0;
    SmsRegisterClientReply(conn, id);
    std::free(id);
    client.conn = conn;
    say("registered");
    // A new client's first save, as the protocol asks of the manager.
    client.shuttingDown = false;
    SmsSaveYourself(conn, SmSaveLocal, False, SmInteractStyleNone, False);
    return 1;
}

void interactRequest(SmsConn conn, SmPointer, int)
{
    say("interact");
    SmsInteract(conn);
}

void interactDone(SmsConn, SmPointer, Bool cancelShutdown)
{
    say(cancelShutdown ? "interact-cancel" : "interact-done");
}

void saveYourselfRequest(SmsConn, SmPointer, int, Bool, int, Bool, Bool) {}

void phase2Request(SmsConn conn, SmPointer) { SmsSaveYourselfPhase2(conn); }

void saveYourselfDone(SmsConn conn, SmPointer, Bool)
{
    say("save-done");
    // A checkpoint is over once saved; a log-out waits for "cancel" or "die".
    if (!client.shuttingDown)
        SmsSaveComplete(conn);
}

void closeConnection(SmsConn conn, SmPointer, int count, char** reasons)
{
    SmFreeReasons(count, reasons);
    SmsCleanUp(conn);
    if (client.conn == conn)
        client.conn = nullptr;
    say("closed");
}

void setProperties(SmsConn, SmPointer, int count, SmProp** props)
{
    for (int i = 0; i < count; ++i)
        SmFreeProperty(props[i]);
    std::free(props);
}

void deleteProperties(SmsConn, SmPointer, int count, char** names)
{
    for (int i = 0; i < count; ++i)
        std::free(names[i]);
    std::free(names);
}

void getProperties(SmsConn conn, SmPointer) { SmsReturnProperties(conn, 0, nullptr); }

Status newClient(SmsConn, SmPointer, unsigned long* mask, SmsCallbacks* cb, char**)
{
    std::memset(cb, 0, sizeof *cb);
    cb->register_client.callback = registerClient;
    cb->interact_request.callback = interactRequest;
    cb->interact_done.callback = interactDone;
    cb->save_yourself_request.callback = saveYourselfRequest;
    cb->save_yourself_phase2_request.callback = phase2Request;
    cb->save_yourself_done.callback = saveYourselfDone;
    cb->close_connection.callback = closeConnection;
    cb->set_properties.callback = setProperties;
    cb->delete_properties.callback = deleteProperties;
    cb->get_properties.callback = getProperties;
    *mask = SmsRegisterClientProcMask | SmsInteractRequestProcMask | SmsInteractDoneProcMask |
            SmsSaveYourselfRequestProcMask | SmsSaveYourselfP2RequestProcMask | SmsSaveYourselfDoneProcMask |
            SmsCloseConnectionProcMask | SmsSetPropertiesProcMask | SmsDeletePropertiesProcMask |
            SmsGetPropertiesProcMask;
    return 1;
}

// A client gone away mid-message must not end the manager.
void ioError(IceConn) {}

void command(const std::string& line)
{
    if (!client.conn) {
        std::fprintf(stderr, "no client for \"%s\"\n", line.c_str());
        return;
    }
    if (line == "save" || line == "logout") {
        client.shuttingDown = line == "logout";
        SmsSaveYourself(client.conn, SmSaveBoth, client.shuttingDown ? True : False, SmInteractStyleAny, False);
    } else if (line == "cancel") {
        client.shuttingDown = false;
        SmsShutdownCancelled(client.conn);
    } else if (line == "die") {
        SmsDie(client.conn);
    } else {
        std::fprintf(stderr, "unknown command \"%s\"\n", line.c_str());
    }
}

} // namespace

int main()
{
    std::signal(SIGPIPE, SIG_IGN); // a client gone: its connection is closed, the manager carries on
    char error[256] = "";
    if (!SmsInitialize("tavek-test", "1", newClient, nullptr, acceptAnyHost, sizeof error, error)) {
        std::fprintf(stderr, "SmsInitialize: %s\n", error);
        return 1;
    }
    IceSetIOErrorHandler(ioError);
    int count = 0;
    IceListenObj* listeners = nullptr;
    if (!IceListenForConnections(&count, &listeners, sizeof error, error)) {
        std::fprintf(stderr, "IceListenForConnections: %s\n", error);
        return 1;
    }
    // Only the local transports: nothing listens on the network.
    std::string address;
    std::vector<IceListenObj> local;
    for (int i = 0; i < count; ++i) {
        char* id = IceGetListenConnectionString(listeners[i]);
        if (std::strncmp(id, "local/", 6) == 0 || std::strncmp(id, "unix/", 5) == 0) {
            IceSetHostBasedAuthProc(listeners[i], acceptAnyHost);
            local.push_back(listeners[i]);
            // Appended piece by piece: a "," + std::string temporary trips
            // GCC 12's false -Wrestrict at -O3.
            if (!address.empty())
                address += ',';
            address += id;
        }
        std::free(id);
    }
    if (local.empty()) {
        std::fprintf(stderr, "no local transport to listen on\n");
        return 1;
    }
    std::printf("address %s\n", address.c_str());
    std::fflush(stdout);

    std::string pending;
    for (;;) {
        std::vector<pollfd> fds{{STDIN_FILENO, POLLIN, 0}};
        for (IceListenObj l : local)
            fds.push_back({IceGetListenConnectionNumber(l), POLLIN, 0});
        const std::size_t known = connections.size();
        for (IceConn c : connections)
            fds.push_back({IceConnectionNumber(c), POLLIN, 0});
        if (poll(fds.data(), fds.size(), -1) < 0)
            continue;
        if (fds[0].revents) {
            char buffer[256];
            const ssize_t n = read(STDIN_FILENO, buffer, sizeof buffer);
            if (n <= 0)
                break;
            pending.append(buffer, static_cast<std::size_t>(n));
            for (std::size_t end; (end = pending.find('\n')) != std::string::npos;) {
                command(pending.substr(0, end));
                pending.erase(0, end + 1);
            }
        }
        const std::size_t first = 1 + local.size();
        std::vector<IceConn> open;
        for (std::size_t i = 0; i < known; ++i) {
            IceConn c = connections[i];
            if (fds[first + i].revents &&
                IceProcessMessages(c, nullptr, nullptr) == IceProcessMessagesIOError) {
                IceSetShutdownNegotiation(c, False);
                IceCloseConnection(c);
                continue;
            }
            if (IceConnectionStatus(c) == IceConnectRejected || IceConnectionStatus(c) == IceConnectIOError) {
                IceCloseConnection(c);
                continue;
            }
            open.push_back(c);
        }
        for (std::size_t i = 0; i < local.size(); ++i) {
            if (!fds[1 + i].revents)
                continue;
            IceAcceptStatus status;
            if (IceConn c = IceAcceptConnection(local[i], &status))
                open.push_back(c);
        }
        connections = open;
    }
    for (IceConn c : connections) {
        IceSetShutdownNegotiation(c, False);
        IceCloseConnection(c);
    }
    IceFreeListenObjs(count, listeners);
    return 0;
}
