# SPDX-License-Identifier: GPL-3.0-or-later
# Writes a C++ source holding the bytes of INPUT as the array SYMBOL (called by rekko_embed_resource).
file(READ ${INPUT} hex HEX)
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
string(LENGTH "${hex}" hexLength)
math(EXPR size "${hexLength} / 2")
file(WRITE ${OUTPUT}
    "// Generated from ${INPUT}; do not edit.\n"
    "#include <cstddef>\n"
    "namespace rekko::resources {\n"
    "extern const unsigned char ${SYMBOL}[] = {${bytes}0};\n"
    "extern const std::size_t ${SYMBOL}_size = ${size};\n"
    "}\n")
