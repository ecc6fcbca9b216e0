// SPDX-License-Identifier: GPL-3.0-or-later
// Debian's Radicale started on 127.0.0.1 for one test, with python3-caldav beside it as a second client.
#pragma once

#include "TempDir.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <sys/types.h>
#include <vector>

namespace rekko::test {

// A Radicale server on a free port of the loopback address with a fresh storage folder and one user, "user" with the
// password "secret" (plain htpasswd, no delay after a wrong password). It answers once the constructor returns and
// is killed by the destructor. Failures throw std::runtime_error with Radicale's log. With SelfSignedTls it speaks
// HTTPS with the self-signed certificate of tests/data (radicale-test.cert.pem), which no CA vouches for.
class RadicaleServer {
public:
    enum class Transport { Http, SelfSignedTls };

    explicit RadicaleServer(Transport transport = Transport::Http);
    ~RadicaleServer();
    RadicaleServer(const RadicaleServer&) = delete;
    RadicaleServer& operator=(const RadicaleServer&) = delete;

    // Returns "http://127.0.0.1:PORT" (or "https://…") followed by the path.
    std::string address(std::string_view path = "/") const;
    const std::string& user() const { return m_user; }
    const std::string& password() const { return m_password; }

    // Kills the server at once (SIGKILL), as a server that dies mid-sync; later requests find no one listening.
    void kill();
    // Starts the killed server again on the same port with the same storage.
    void restart();

    // The second client (python3-caldav under /usr/bin/python3), each call one run of it:
    // makes a calendar for events "/user/SLUG/" with the display name and returns its path;
    std::string makeCalendar(std::string_view slug, std::string_view displayName);
    // saves an event (one VCALENDAR), new or over the one of the same UID, and returns its path;
    std::string saveEvent(std::string_view calendar, std::string_view ics);
    // deletes the event at the path;
    void deleteEvent(std::string_view href);
    // returns the iCalendar text of every event of the calendar.
    std::vector<std::string> events(std::string_view calendar);

private:
    // Starts Radicale and waits until it answers.
    void start();
    std::string client(const std::vector<std::string>& arguments, std::string_view input);

    TempDir m_folder;
    std::string m_user = "user";
    std::string m_password = "secret";
    std::string m_scheme = "http";
    uint16_t m_port = 0;
    pid_t m_pid = -1;
};

} // namespace rekko::test
