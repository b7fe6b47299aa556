#include "records/jpeg.h"

#include <csetjmp>
#include <cstdio>

#include <jpeglib.h>

namespace {

struct ErreurJpeg {
  jpeg_error_mgr mgr;
  std::jmp_buf saut;
};

[[noreturn]] void sortieerreur(j_common_ptr info) { std::longjmp(reinterpret_cast<ErreurJpeg*>(info->err)->saut, 1); }
void sansmessage(j_common_ptr) {}
void sansniveau(j_common_ptr, int) {}

// Decodes into `image`; only plain C objects live in this frame, so the
// jump back from an error skips no destructor.
bool decode(const uint8_t* octets, std::size_t n, TImage* image) {
  jpeg_decompress_struct info;
  ErreurJpeg erreur;
  info.err = jpeg_std_error(&erreur.mgr);
  erreur.mgr.error_exit = sortieerreur;
  erreur.mgr.output_message = sansmessage;
  erreur.mgr.emit_message = sansniveau;
  if (setjmp(erreur.saut)) {
    jpeg_destroy_decompress(&info);
    return false;
  }
  jpeg_create_decompress(&info);
  jpeg_mem_src(&info, octets, static_cast<unsigned long>(n));
  if (jpeg_read_header(&info, TRUE) != JPEG_HEADER_OK || info.image_width == 0 || info.image_height == 0 ||
      info.image_width > COTEIMAGEMAX || info.image_height > COTEIMAGEMAX) {
    jpeg_destroy_decompress(&info);
    return false;
  }
  jpeg_start_decompress(&info);
  const std::size_t ligne = static_cast<std::size_t>(info.output_width) * info.output_components;
  image->largeur = static_cast<int32_t>(info.output_width);
  image->hauteur = static_cast<int32_t>(info.output_height);
  image->composantes = info.output_components;
  image->pixels.resize(ligne * info.output_height);
  while (info.output_scanline < info.output_height) {
    JSAMPROW rang = image->pixels.data() + ligne * info.output_scanline;
    if (jpeg_read_scanlines(&info, &rang, 1) != 1) break;
  }
  jpeg_finish_decompress(&info);
  jpeg_destroy_decompress(&info);
  return true;
}

}  // namespace

std::shared_ptr<const TImage> decodejpeg(const uint8_t* octets, std::size_t n) {
  if (!octets || n == 0) return nullptr;
  auto image = std::make_shared<TImage>();
  if (!decode(octets, n, image.get())) return nullptr;
  return image;
}
