// SPDX-License-Identifier: GPL-3.0-or-later
// Reads the diary link the way the diary program does: takes the semaphore, reads the header and the text, gives
// the semaphore back, and prints "<data size> <text>". With "hold" it takes the semaphore and ends without giving
// it back, as a reader that crashed.
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <semaphore.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

int main(int argc, char** argv) {
    if (argc < 3)
        return 2;
    sem_t* semaphore = sem_open(argv[2], 0);
    if (semaphore == SEM_FAILED || sem_wait(semaphore) != 0)
        return 3;
    if (argc > 3 && std::strcmp(argv[3], "hold") == 0)
        return 0;
    const int fd = shm_open(argv[1], O_RDONLY, 0);
    struct stat status {};
    if (fd < 0 || fstat(fd, &status) != 0 || status.st_size < 9)
        return 4;
    void* view = mmap(nullptr, static_cast<size_t>(status.st_size), PROT_READ, MAP_SHARED, fd, 0);
    if (view == MAP_FAILED)
        return 5;
    const auto* bytes = static_cast<const char*>(view);
    uint32_t header[2];
    std::memcpy(header, bytes, sizeof header);
    const size_t length = strnlen(bytes + 8, static_cast<size_t>(status.st_size) - 8);
    std::printf("%u %u %.*s\n", header[0], header[1], static_cast<int>(length), bytes + 8);
    sem_post(semaphore);
    return 0;
}
