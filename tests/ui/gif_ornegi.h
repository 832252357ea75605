// Small GIF pictures for the tests: two colours, every pixel its own code, so that no
// compression is needed to write one.
#pragma once

#include <QByteArray>
#include <QColor>
#include <QImage>

namespace zorvat::test {

// A GIF of the two-colour picture: pixels darker than mid-grey take the second colour.
inline QByteArray IkiRenkliGif(const QImage& resim, QColor zemin = Qt::white, QColor yazi = Qt::black) {
  QByteArray gif("GIF89a");
  const auto ekle16 = [&gif](int deger) {
    gif.append(static_cast<char>(deger & 0xFF));
    gif.append(static_cast<char>((deger >> 8) & 0xFF));
  };
  ekle16(resim.width());
  ekle16(resim.height());
  gif.append(static_cast<char>(0x80));  // a global table of two colours
  gif.append('\0');
  gif.append('\0');
  for (const QColor& renk : {zemin, yazi}) {
    gif.append(static_cast<char>(renk.red()));
    gif.append(static_cast<char>(renk.green()));
    gif.append(static_cast<char>(renk.blue()));
  }
  gif.append(',');
  ekle16(0);
  ekle16(0);
  ekle16(resim.width());
  ekle16(resim.height());
  gif.append('\0');
  gif.append('\2');  // LZW minimum code size

  // Codes of three bits: a clear code before every second pixel keeps the table so small
  // that the code width never grows.
  constexpr int kTemizle = 4;
  constexpr int kSon = 5;
  QByteArray veri;
  unsigned int tampon = 0;
  int bitler = 0;
  const auto kod = [&](int deger) {
    tampon |= static_cast<unsigned int>(deger) << bitler;
    bitler += 3;
    while (bitler >= 8) {
      veri.append(static_cast<char>(tampon & 0xFF));
      tampon >>= 8;
      bitler -= 8;
    }
  };
  int sira = 0;
  for (int y = 0; y < resim.height(); ++y) {
    for (int x = 0; x < resim.width(); ++x, ++sira) {
      if (sira % 2 == 0) kod(kTemizle);
      kod(qGray(resim.pixel(x, y)) < 128 ? 1 : 0);
    }
  }
  kod(kSon);
  if (bitler > 0) veri.append(static_cast<char>(tampon & 0xFF));
  for (qsizetype bas = 0; bas < veri.size(); bas += 255) {
    const QByteArray parca = veri.mid(bas, 255);
    gif.append(static_cast<char>(parca.size()));
    gif.append(parca);
  }
  gif.append('\0');
  gif.append(';');
  return gif;
}

// A blank GIF of the size.
inline QByteArray BosGif(int genislik, int yukseklik) {
  QImage resim(genislik, yukseklik, QImage::Format_RGB32);
  resim.fill(Qt::white);
  return IkiRenkliGif(resim);
}

}  // namespace zorvat::test
