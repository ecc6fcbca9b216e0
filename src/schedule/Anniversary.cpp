// SPDX-License-Identifier: GPL-3.0-or-later
// Anniversary lookup and records of the special-day list.
#include "Anniversary.h"

#include "base/CommaText.h"
#include "base/TextProcedures.h"

namespace rekko {

namespace {

constexpr std::string_view kFullWidthBlank = "　";

std::string yearShown(const std::string& field) {
    return FieldInteger(field) == 0 ? std::string() : field;
}

bool isBlankText(std::string_view text) {
    for (char c : text)
        if (static_cast<unsigned char>(c) > ' ')
            return false;
    return true;
}

} // namespace

Anniversary FindAnniversary(const std::vector<std::string>& specialLines, int month, int day) {
    for (size_t i = 0; i < specialLines.size(); ++i) {
        const std::vector<std::string> fields = SplitCommaText(specialLines[i]);
        if (fields.size() < 4 || FieldInteger(fields[2]) != month || FieldInteger(fields[3]) != day)
            continue;
        Anniversary found;
        found.firstYear = yearShown(fields[0]);
        found.lastYear = yearShown(fields[1]);
        if (fields.size() > 6)
            found.text = ReplaceAll(UnescapeDigitComma(fields[6]), kFullWidthBlank, " ");
        found.position = i;
        return found;
    }
    return {};
}

std::string AnniversaryField(std::string_view text) {
    const std::string stored = ReplaceAll(EscapeCommas(text), " ", kFullWidthBlank);
    // What the escapes leave that the comma-text rule would split at (a double quote, a tab or another control
    // character) goes into a quoted field; a text without them is written bare, as always.
    return stored.empty() ? stored : JoinCommaText({stored});
}

std::string FormatAnniversaryRecord(std::string_view firstYear, std::string_view lastYear, int month, int day,
                                    std::string_view text) {
    return std::string(firstYear) + ',' + std::string(lastYear) + ',' + std::to_string(month) + ',' +
           std::to_string(day) + ",,," + AnniversaryField(text);
}

void ReplaceAnniversary(std::vector<std::string>& specialLines, const Anniversary& found, const Anniversary& edited,
                        int month, int day) {
    if (found.position && *found.position < specialLines.size())
        specialLines.erase(specialLines.begin() + static_cast<std::ptrdiff_t>(*found.position));
    if (isBlankText(ReplaceAll(edited.text, kFullWidthBlank, " ")))
        return;
    specialLines.push_back(FormatAnniversaryRecord(edited.firstYear, edited.lastYear, month, day, edited.text));
}

} // namespace rekko
