// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzz target: the line attribute of a month-file record (colour, flags, time, number) read and written back.
#include "FuzzCheck.h"

#include "schedule/LineAttribute.h"

using namespace rekko;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // The input stands for the fields after the text: colour, first flag, time, second flag, number.
    const std::string record = " 7,1,,text," + std::string(fuzz::BytesOf(data, size));
    const DayLine read = ReadDayLine(record);
    FUZZ_CHECK(read.day == 7 && read.text == "text");
    LineAttribute attribute = read.attribute;
    FUZZ_CHECK(ReadDayLine(FormatDayRecord(7, 1, read.text, attribute)).attribute == attribute);

    if (attribute.unreadableColour.empty())
        FUZZ_CHECK(StringToColor(ColorToString(attribute.colour)) == attribute.colour);
    const int32_t number = attribute.numberValue();
    attribute.setNumber(number);
    FUZZ_CHECK(attribute.numberValue() == number);
    FUZZ_CHECK(ReadDayLine(FormatDayRecord(7, 1, read.text, attribute)).attribute == attribute);
    return 0;
}
