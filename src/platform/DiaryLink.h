// SPDX-License-Identifier: GPL-3.0-or-later
// The diary link: a date handed to the diary program Zunbo through shared memory guarded by a semaphore.
#pragma once

#include "base/Result.h"

#include <chrono>
#include <cstdint>
#include <string>

namespace rekko {

inline constexpr const char* kDiaryMemoryName = "/SorelToZunbo1";
inline constexpr const char* kDiarySemaphoreName = "/SorelToZunbo1Semaphore";
// The data size the header records; the reader takes the text up to its terminating zero byte.
inline constexpr uint32_t kDiaryDataSize = 4;
inline constexpr const char* kMemoryTakenMessage = "Other process Allready Opened Memory Map";

// What a send came to when nothing stood in its way but the diary program: the day was left, or the semaphore stayed
// taken past the wait limit (a diary program that hangs, or was killed while holding it).
enum class DiarySend { Sent, NotAnswering };

class DiaryLink {
public:
    virtual ~DiaryLink() = default;

    // Leaves a day number for the diary program; fails with the message to show when the memory cannot be used.
    virtual Result<DiarySend> sendDay(int32_t day) = 0;
    // Removes the semaphore and makes it anew, free, so that a send no longer waits for a holder that is gone.
    virtual Status reset() = 0;
};

// The shared-memory object and semaphore of this user (mode 0600). The object holds a header of two 32-bit values,
// 0 and the data size 4, followed by the day number as decimal text and a zero byte; an object too small for the
// text is grown. The semaphore (initial count 1) is held while the object is read or written; a wait longer than
// waitLimit (measured on the monotonic clock, as this program may set the wall clock) gives up. An object or a
// semaphore of another user is never used: its owner could read the day or hold the semaphore forever.
class SharedMemoryDiaryLink : public DiaryLink {
public:
    explicit SharedMemoryDiaryLink(std::string memoryName = kDiaryMemoryName,
                                   std::string semaphoreName = kDiarySemaphoreName,
                                   std::chrono::seconds waitLimit = std::chrono::seconds(5));

    // Fails with kMemoryTakenMessage when the object records another data size, when it or the semaphore belongs to
    // another user or cannot be opened (with the name and the cause on a second line); answers NotAnswering when
    // the semaphore stays taken for the wait limit.
    Result<DiarySend> sendDay(int32_t day) override;
    // Unlinks the semaphore (of this user only) and creates it again with the count 1.
    Status reset() override;

private:
    std::string m_memoryName;
    std::string m_semaphoreName;
    std::chrono::seconds m_waitLimit;
};

} // namespace rekko
