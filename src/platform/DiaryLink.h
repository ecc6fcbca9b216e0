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

class DiaryLink {
public:
    virtual ~DiaryLink() = default;

    // Leaves a day number for the diary program; fails with the message to show when the memory cannot be used.
    virtual Status sendDay(int32_t day) = 0;
};

// The shared-memory object and semaphore of this user (mode 0600). The object holds a header of two 32-bit values,
// 0 and the data size 4, followed by the day number as decimal text and a zero byte; an object too small for the
// text is grown. The semaphore (initial count 1) is held while the object is read or written; a wait longer than
// waitLimit (measured on the monotonic clock, as this program may set the wall clock) gives up.
class SharedMemoryDiaryLink : public DiaryLink {
public:
    explicit SharedMemoryDiaryLink(std::string memoryName = kDiaryMemoryName,
                                   std::string semaphoreName = kDiarySemaphoreName,
                                   std::chrono::seconds waitLimit = std::chrono::seconds(5));

    // Fails with kMemoryTakenMessage when the object records another data size, belongs to another user or cannot
    // be opened (with the cause on a second line), and with it and "（5 秒待っても応答がありません）" when the
    // semaphore stays taken.
    Status sendDay(int32_t day) override;

private:
    std::string m_memoryName;
    std::string m_semaphoreName;
    std::chrono::seconds m_waitLimit;
};

} // namespace rekko
