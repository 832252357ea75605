// Product pictures: the server's JPEG of a stock item for the add-to-basket dialog, and the
// picture kinds an answer of the dealer's web server may carry.
#pragma once

#include <cstdint>
#include <string_view>

#include "ui/state/controls.h"

namespace zorvat {

class Connection;

// Asks the server for the stock item's picture (ResimVer5) over the main connection and
// shows it in the picture. No picture, or one that did not arrive whole, leaves the picture
// as it was without a word; a server error or bytes that are not a JPEG are reported in a
// plain message box as the error's kind, ": " and its text. A connection that cannot be
// opened shows the connection test's messages. The connection is closed afterwards.
void ResimYukle(Connection& bagc, std::int32_t stokno, PictureState& resim);

enum class ResimTuru : std::uint8_t { Yok, Jpeg, Bmp, Png };

// The picture kind of a "Content-Type": "image/jpeg" and "image/jpg" are JPEG,
// "image/bmp" a Windows bitmap, "image/png" PNG, in any letter case and with or without
// parameters such as "; charset=binary". Anything else is no picture.
ResimTuru ResimTuruBul(std::string_view contentType);

}  // namespace zorvat
