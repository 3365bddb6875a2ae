# Writes a C++ source that holds the bytes of the ball frames' images, so
# that the platform-free code has them as data:
#   cmake -DFOLDER=<images> -DFIRST=110 -DLAST=139 -DOUTPUT=<source> -P EmbedBallImages.cmake
# The array kBallImageFiles lists FOLDER/FIRST.bmp to FOLDER/LAST.bmp in order.
set(arrays "")
set(entries "")
foreach(id RANGE ${FIRST} ${LAST})
  file(READ ${FOLDER}/${id}.bmp hex HEX)
  string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
  string(APPEND arrays "const uint8_t kImage${id}[] = {${bytes}};\n")
  string(APPEND entries "    {kImage${id}, sizeof kImage${id}},\n")
endforeach()
math(EXPR count "${LAST} - ${FIRST} + 1")
file(WRITE ${OUTPUT}.new
"// Written by the build from ${FIRST}.bmp to ${LAST}.bmp: do not edit.
#include \"core/ball_image_files.h\"

namespace {
${arrays}}  // namespace

const EmbeddedFile kBallImageFiles[] = {
${entries}};
const int kBallImageFileCount = ${count};
")
# Unchanged bytes keep the old file, so nothing is rebuilt for nothing.
file(COPY_FILE ${OUTPUT}.new ${OUTPUT} ONLY_IF_DIFFERENT)
file(REMOVE ${OUTPUT}.new)
