// JPEG pictures of game files, decoded with libjpeg. A corrupt picture
// gives no image: libjpeg's errors come back here and its messages are
// silenced; nothing ends the program.
#pragma once
#include <cstddef>
#include <cstdint>
#include <memory>

#include "engine/board/types.h"

// Largest picture accepted, in pixels per side.
constexpr int32_t COTEIMAGEMAX = 4096;

// The picture in `octets`, or none when it cannot be decoded.
std::shared_ptr<const TImage> decodejpeg(const uint8_t* octets, std::size_t n);
