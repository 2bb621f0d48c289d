# Writes one picture as a C++ array: cmake -DINPUT= -DOUTPUT= -DNAME= -DNAMESPACE= -DHEADER= -P
file(READ ${INPUT} hex HEX)
string(LENGTH "${hex}" digits)
math(EXPR size "${digits} / 2")
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
# Break the one long line every 24 bytes so the file stays readable to tools.
string(REGEX REPLACE "((0x[0-9a-f][0-9a-f],){24})" "\\1\n" bytes "${bytes}")
file(WRITE ${OUTPUT}
"// Generated from ${INPUT}; do not edit.
#include \"${HEADER}\"

namespace ${NAMESPACE} {
namespace {
const unsigned char bytes[${size}] = {
${bytes}
};
}  // namespace
const EmbeddedPicture ${NAME}{bytes, sizeof bytes};
}  // namespace ${NAMESPACE}
")
