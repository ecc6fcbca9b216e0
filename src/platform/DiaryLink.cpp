// SPDX-License-Identifier: GPL-3.0-or-later
// The diary link over POSIX shared memory and a named semaphore.
#include "DiaryLink.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <optional>
#include <pwd.h>
#include <semaphore.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

namespace rekko {

namespace {

constexpr size_t kHeaderSize = 8;

Failure MemoryTaken(const std::string& detail = {}) {
    return Failure{.cause = kMemoryTakenMessage + (detail.empty() ? std::string() : "\r\n" + detail)};
}

Failure SystemFailure(const std::string& name, int error) {
    return MemoryTaken(name + ": " + std::strerror(error));
}

// The refusal of an object or semaphore that belongs to another user, naming it and its owner.
Failure ForeignOwner(const std::string& name, uid_t owner) {
    const passwd* user = ::getpwuid(owner);
    const std::string who = user ? user->pw_name : "UID " + std::to_string(owner);
    return MemoryTaken(name + ": 他のユーザー（" + who + "）のものなので使いません");
}

// Where the system keeps a named semaphore: "/dev/shm/sem." and the name without its slash.
std::string SemaphoreEntry(const std::string& name) {
    return "/dev/shm/sem." + name.substr(1);
}

// Answers the failure when the semaphore's entry is not a file of this user (or is missing, unless that is allowed);
// checked on the entry itself, as a semaphore handle tells nothing of its owner.
std::optional<Failure> ForeignSemaphore(const std::string& name, bool missingAllowed = false) {
    const std::string entry = SemaphoreEntry(name);
    struct stat status {};
    if (::lstat(entry.c_str(), &status) != 0)
        return missingAllowed && errno == ENOENT ? std::nullopt : std::optional(SystemFailure(entry, errno));
    if (status.st_uid != ::geteuid())
        return ForeignOwner(entry, status.st_uid);
    if (!S_ISREG(status.st_mode))
        return SystemFailure(entry, EACCES);
    return std::nullopt;
}

// The named semaphore, closed (not removed) when done.
class SemaphoreHandle {
public:
    explicit SemaphoreHandle(sem_t* semaphore) : m_semaphore(semaphore) {}
    ~SemaphoreHandle() { ::sem_close(m_semaphore); }
    SemaphoreHandle(const SemaphoreHandle&) = delete;
    SemaphoreHandle& operator=(const SemaphoreHandle&) = delete;

private:
    sem_t* m_semaphore;
};

// A successful wait, posted back when done.
class SemaphoreHold {
public:
    explicit SemaphoreHold(sem_t* semaphore) : m_semaphore(semaphore) {}
    ~SemaphoreHold() { ::sem_post(m_semaphore); }
    SemaphoreHold(const SemaphoreHold&) = delete;
    SemaphoreHold& operator=(const SemaphoreHold&) = delete;

private:
    sem_t* m_semaphore;
};

class Descriptor {
public:
    explicit Descriptor(int fd) : m_fd(fd) {}
    ~Descriptor() { ::close(m_fd); }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;

private:
    int m_fd;
};

// Waits for the semaphore until the deadline on the monotonic clock; answers 0 or the error number.
int WaitFor(sem_t* semaphore, std::chrono::seconds limit) {
    timespec deadline{};
    ::clock_gettime(CLOCK_MONOTONIC, &deadline);
    deadline.tv_sec += limit.count();
    while (::sem_clockwait(semaphore, CLOCK_MONOTONIC, &deadline) != 0) {
        if (errno != EINTR)
            return errno;
    }
    return 0;
}

// Writes the header and the text into the object, grown first when it is smaller than they need.
Status WriteRecord(int fd, const std::string& name, const std::string& text) {
    struct stat status {};
    if (::fstat(fd, &status) != 0)
        return SystemFailure(name, errno);
    // An object someone else made could be read or changed by them.
    if (status.st_uid != ::geteuid())
        return ForeignOwner(name, status.st_uid);
    const size_t existing = static_cast<size_t>(status.st_size);
    if (existing >= kHeaderSize) {
        uint32_t header[2] = {};
        if (::pread(fd, header, sizeof header, 0) != static_cast<ssize_t>(sizeof header))
            return SystemFailure(name, errno);
        if (header[1] != kDiaryDataSize)
            return MemoryTaken();
    }
    const size_t needed = kHeaderSize + std::max<size_t>(kDiaryDataSize, text.size() + 1);
    if (existing < needed && ::ftruncate(fd, static_cast<off_t>(needed)) != 0)
        return SystemFailure(name, errno);
    const size_t size = std::max(existing, needed);
    void* view = ::mmap(nullptr, size, PROT_READ | PROT_WRITE, MAP_SHARED, fd, 0);
    if (view == MAP_FAILED)
        return SystemFailure(name, errno);
    auto* bytes = static_cast<unsigned char*>(view);
    const uint32_t header[2] = {0, kDiaryDataSize};
    std::memcpy(bytes, header, sizeof header);
    std::memcpy(bytes + kHeaderSize, text.c_str(), text.size() + 1);
    ::munmap(view, size);
    return Success();
}

} // namespace

SharedMemoryDiaryLink::SharedMemoryDiaryLink(std::string memoryName, std::string semaphoreName,
                                             std::chrono::seconds waitLimit)
    : m_memoryName(std::move(memoryName)), m_semaphoreName(std::move(semaphoreName)), m_waitLimit(waitLimit) {}

Result<DiarySend> SharedMemoryDiaryLink::sendDay(int32_t day) {
    sem_t* semaphore = ::sem_open(m_semaphoreName.c_str(), O_CREAT, 0600, 1);
    if (semaphore == SEM_FAILED) {
        const int error = errno;
        return ForeignSemaphore(m_semaphoreName, true).value_or(SystemFailure(m_semaphoreName, error));
    }
    SemaphoreHandle handle(semaphore);
    // Checked after opening, so that a semaphore another user slips in before the open is found too; its owner
    // could keep it taken, and every send would wait in vain.
    if (auto foreign = ForeignSemaphore(m_semaphoreName))
        return *foreign;
    if (const int error = WaitFor(semaphore, m_waitLimit); error == ETIMEDOUT)
        return DiarySend::NotAnswering;
    else if (error != 0)
        return SystemFailure(m_semaphoreName, error);
    SemaphoreHold hold(semaphore);

    const int fd = ::shm_open(m_memoryName.c_str(), O_RDWR | O_CREAT, 0600);
    if (fd < 0)
        return SystemFailure(m_memoryName, errno);
    Descriptor descriptor(fd);
    if (const Status written = WriteRecord(fd, m_memoryName, std::to_string(day)); !written)
        return written.error();
    return DiarySend::Sent;
}

Status SharedMemoryDiaryLink::reset() {
    if (auto foreign = ForeignSemaphore(m_semaphoreName, true))
        return *foreign;
    if (::sem_unlink(m_semaphoreName.c_str()) != 0 && errno != ENOENT)
        return SystemFailure(m_semaphoreName, errno);
    sem_t* semaphore = ::sem_open(m_semaphoreName.c_str(), O_CREAT | O_EXCL, 0600, 1);
    if (semaphore == SEM_FAILED)
        return SystemFailure(m_semaphoreName, errno);
    ::sem_close(semaphore);
    return Success();
}

} // namespace rekko
