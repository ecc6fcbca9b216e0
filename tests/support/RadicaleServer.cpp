// SPDX-License-Identifier: GPL-3.0-or-later
// Radicale run for a test: its configuration, its start and end, and the runs of the python3-caldav client.
#include "RadicaleServer.h"

#include "LoopbackSocket.h"

#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <thread>

extern char** environ;

namespace rekko::test {
namespace {

// Starts the program with its standard input, output and error from and to files; answers its process id.
pid_t Spawn(const std::vector<std::string>& arguments, const std::filesystem::path& input,
            const std::filesystem::path& output, const std::filesystem::path& errors) {
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, input.c_str(), O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 1, output.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    if (errors == output)
        posix_spawn_file_actions_adddup2(&actions, 1, 2);
    else
        posix_spawn_file_actions_addopen(&actions, 2, errors.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    std::vector<char*> argv;
    for (const std::string& argument : arguments)
        argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    pid_t pid = -1;
    const int failed = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (failed != 0)
        throw std::runtime_error("cannot start " + arguments[0]);
    return pid;
}

bool Answers(uint16_t port) {
    const int socket = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = htons(port);
    const bool connected = ::connect(socket, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
    ::close(socket);
    return connected;
}

// The server section's lines of HTTPS with the test's own certificate.
std::string TlsSettings() {
    return "ssl = True\ncertificate = " + (TestDataDir() / "radicale-test.cert.pem").string() +
           "\nkey = " + (TestDataDir() / "radicale-test.key.pem").string() + "\n";
}

} // namespace

RadicaleServer::RadicaleServer(Transport transport) {
    // The port is free once its socket closes; Radicale takes it a moment later.
    ::close(OpenLoopbackSocket(SOCK_STREAM, m_port, "Radicale"));
    m_folder.write("users", m_user + ":" + m_password + "\n");
    m_folder.write("input", "");
    const bool tls = transport == Transport::SelfSignedTls;
    if (tls)
        m_scheme = "https";
    m_folder.write("config",
                   "[server]\nhosts = 127.0.0.1:" + std::to_string(m_port) + "\n" + (tls ? TlsSettings() : "") +
                       "[auth]\ntype = htpasswd\nhtpasswd_filename = " + (m_folder / "users").string() +
                       "\nhtpasswd_encryption = plain\ndelay = 0\n[rights]\ntype = owner_only\n"
                       "[storage]\nfilesystem_folder = " +
                       (m_folder / "collections").string() + "\n[web]\ntype = none\n[logging]\nlevel = warning\n");
    start();
}

void RadicaleServer::start() {
    m_pid = Spawn({"/usr/bin/python3", "-m", "radicale", "--config", (m_folder / "config").string()},
                  m_folder / "input", m_folder / "radicale.log", m_folder / "radicale.log");
    const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(15);
    while (!Answers(m_port)) {
        int status = 0;
        const bool ended = ::waitpid(m_pid, &status, WNOHANG) == m_pid;
        if (ended)
            m_pid = -1;
        if (ended || std::chrono::steady_clock::now() > end) {
            kill();
            throw std::runtime_error("Radicale did not start: " + m_folder.read("radicale.log"));
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
}

void RadicaleServer::restart() {
    kill();
    start();
}

RadicaleServer::~RadicaleServer() {
    kill();
}

std::string RadicaleServer::address(std::string_view path) const {
    return m_scheme + "://127.0.0.1:" + std::to_string(m_port) + std::string(path);
}

void RadicaleServer::kill() {
    if (m_pid <= 0)
        return;
    ::kill(m_pid, SIGKILL);
    int status = 0;
    ::waitpid(m_pid, &status, 0);
    m_pid = -1;
}

std::string RadicaleServer::client(const std::vector<std::string>& arguments, std::string_view input) {
    std::vector<std::string> command{"/usr/bin/python3", REKKO_CALDAV_CLIENT, address(), m_user, m_password};
    command.insert(command.end(), arguments.begin(), arguments.end());
    m_folder.write("input", input);
    const pid_t pid = Spawn(command, m_folder / "input", m_folder / "output", m_folder / "errors");
    int status = 0;
    ::waitpid(pid, &status, 0);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        throw std::runtime_error("python3-caldav " + arguments.front() + " failed: " + m_folder.read("errors"));
    return m_folder.read("output");
}

std::string RadicaleServer::makeCalendar(std::string_view slug, std::string_view displayName) {
    const std::string path = client({"mkcalendar", std::string(slug), std::string(displayName)}, {});
    return path.substr(0, path.find('\n'));
}

std::string RadicaleServer::saveEvent(std::string_view calendar, std::string_view ics) {
    const std::string path = client({"save", std::string(calendar)}, ics);
    return path.substr(0, path.find('\n'));
}

void RadicaleServer::deleteEvent(std::string_view href) {
    client({"delete", std::string(href)}, {});
}

std::vector<std::string> RadicaleServer::events(std::string_view calendar) {
    const std::string output = client({"list", std::string(calendar)}, {});
    std::vector<std::string> texts;
    for (size_t start = 0, end; (end = output.find('\0', start)) != std::string::npos; start = end + 1)
        texts.push_back(output.substr(start, end - start));
    return texts;
}

} // namespace rekko::test
