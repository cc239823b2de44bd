// Build-time generator of the shell's images: the preview bitmap, the icon and
// the same underwater view upright for the installer's first and last pages.
// Usage: gen_shell_images <outdir>   (writes preview.bmp, sorvane.ico and installer.bmp)
#include <cstdio>
#include <string>

#include "tools/imagegen/bmp_writer.h"
#include "tools/imagegen/ico_writer.h"
#include "tools/shell_images/app_icon.h"
#include "tools/shell_images/preview_picture.h"

int main(int argc, char** argv) {
  using namespace sorvane::imagegen;
  if (argc != 2) {
    std::fprintf(stderr, "usage: gen_shell_images <outdir>\n");
    return 2;
  }
  std::string dir = argv[1];
  bool ok = WriteFileBytes(dir + "/preview.bmp", EncodeBmp8(PreviewIndexed())) &&
            WriteFileBytes(dir + "/sorvane.ico", EncodeIco(IconSizes())) &&
            WriteFileBytes(dir + "/installer.bmp", EncodeBmp24(PaintPreview({.width = 164, .height = 314})));
  if (!ok) {
    std::fprintf(stderr, "gen_shell_images: cannot write to %s\n", dir.c_str());
    return 1;
  }
  return 0;
}
