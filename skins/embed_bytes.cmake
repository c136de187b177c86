# Turns a file into a C++ source that defines one function returning its bytes:
#
#   cmake -DINPUT=<file> -DOUTPUT=<file.cpp> -DHEADER=<include path> -DNAMESPACE=<ns>
#         -DFUNCTION=<name> -P embed_bytes.cmake
#
# The function is declared in HEADER as `std::span<const uint8_t> FUNCTION()`.
foreach(var INPUT OUTPUT HEADER NAMESPACE FUNCTION)
  if(NOT DEFINED ${var})
    message(FATAL_ERROR "embed_bytes.cmake needs -D${var}=...")
  endif()
endforeach()

file(READ "${INPUT}" hex HEX)
string(LENGTH "${hex}" hexLength)
math(EXPR byteCount "${hexLength} / 2")
if(byteCount EQUAL 0)
  # A zero-length array is not C++; an empty input is a broken build step, not an empty skin.
  message(FATAL_ERROR "embed_bytes.cmake: ${INPUT} is empty")
endif()

# 16 bytes a line: "0x78, 0xda, ...". (CMake's regular expressions have no {n}.)
string(REPEAT "[0-9a-f][0-9a-f]" 16 lineOfHex)
string(REGEX REPLACE "(${lineOfHex})" "\\1\n" hex "${hex}")
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1, " bytes "${hex}")
string(REGEX REPLACE " \n" "\n    " bytes "    ${bytes}")
string(REGEX REPLACE "[ \n]+$" "" bytes "${bytes}")

get_filename_component(inputName "${INPUT}" NAME)
set(source "// Made at build time by embed_bytes.cmake from ${inputName}: do not edit.
#include \"${HEADER}\"

namespace ${NAMESPACE} {

namespace {
constexpr uint8_t kBytes[${byteCount}] = {
${bytes}
};
}  // namespace

std::span<const uint8_t> ${FUNCTION}() { return kBytes; }

}  // namespace ${NAMESPACE}
")

# Rewriting an unchanged source would only cost a recompile.
set(temporary "${OUTPUT}.tmp")
file(WRITE "${temporary}" "${source}")
file(COPY_FILE "${temporary}" "${OUTPUT}" ONLY_IF_DIFFERENT)
file(REMOVE "${temporary}")
