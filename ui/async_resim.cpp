#include "ui/async_resim.h"

#include <httplib.h>

#include <QImage>
#include <QPainter>
#include <QUrl>
#include <atomic>
#include <chrono>
#include <mutex>

#include "catalogue/resim.h"
#include "net/services.h"

namespace zorvat {

namespace {

constexpr std::chrono::seconds kBaglanmaSuresi{10};
constexpr std::chrono::seconds kOkumaSuresi{20};
// No product picture is this large; an answer that is has no business in memory.
constexpr std::size_t kEnBuyukResim = 20 * 1024 * 1024;

const char* QtBicimi(ResimTuru tur) {
  switch (tur) {
    case ResimTuru::Jpeg: return "JPEG";
    case ResimTuru::Bmp: return "BMP";
    case ResimTuru::Png: return "PNG";
    case ResimTuru::Yok: break;
  }
  return nullptr;
}

}  // namespace

// ---- OrantiliResim

OrantiliResim::OrantiliResim(QWidget* parent) : QLabel(parent) {
  setAlignment(Qt::AlignCenter);
  setAutoFillBackground(false);
}

void OrantiliResim::Esnet(bool esnet) {
  esnet_ = esnet;
  update();
}

// The box decides the size, not the picture.
QSize OrantiliResim::sizeHint() const { return {120, 120}; }
QSize OrantiliResim::minimumSizeHint() const { return {16, 16}; }

void OrantiliResim::paintEvent(QPaintEvent* event) {
  const QPixmap resim = pixmap();
  if (resim.isNull()) {
    QLabel::paintEvent(event);
    return;
  }
  const QRect alan = contentsRect();
  QSize boyut = resim.size();
  if (esnet_ || boyut.width() > alan.width() || boyut.height() > alan.height()) {
    boyut.scale(alan.size(), Qt::KeepAspectRatio);
  }
  QRect hedef(QPoint(0, 0), boyut);
  hedef.moveCenter(alan.center());
  QPainter p(this);
  p.setRenderHint(QPainter::SmoothPixmapTransform);
  p.drawPixmap(hedef, resim);
}

// ---- TAsyncResim

// One download, shared by the control and the worker. The control only reads the answer
// on the user-interface thread while the download is not cancelled, and it cancels it
// before it dies, so `sahip` is alive whenever it is used.
class TAsyncResim::Indirme {
 public:
  explicit Indirme(TAsyncResim* sahip) : sahip_(sahip) {}

  // User-interface thread: marks the download cancelled and breaks off a request in flight.
  void IptalEt() {
    iptal_ = true;
    std::lock_guard kilit(kilit_);
    if (istemci_ != nullptr) istemci_->stop();
  }

  // Worker: fetches the address; the answer goes to the control when it is a body of a
  // successful request that nobody cancelled.
  void Calistir(const std::string& sunucu, const std::string& yol, const std::shared_ptr<Indirme>& kendisi) {
    httplib::Client istemci(sunucu);
    if (!istemci.is_valid()) return;
    istemci.set_connection_timeout(kBaglanmaSuresi);
    istemci.set_read_timeout(kOkumaSuresi);
    istemci.set_write_timeout(kOkumaSuresi);
    istemci.set_follow_location(true);
    {
      std::lock_guard kilit(kilit_);
      if (iptal_) return;
      istemci_ = &istemci;
    }
    std::string govde;
    auto cevap = istemci.Get(yol, [this, &govde](const char* veri, std::size_t boy) {
      if (iptal_ || govde.size() + boy > kEnBuyukResim) return false;
      govde.append(veri, boy);
      return true;
    });
    {
      std::lock_guard kilit(kilit_);
      istemci_ = nullptr;
    }
    if (!cevap || iptal_ || cevap->status != 200 || govde.empty()) return;
    Dagitici().PostToUi([kendisi, tur = cevap->get_header_value("Content-Type"), govde = std::move(govde)] {
      if (!kendisi->iptal_) kendisi->sahip_->Goster(tur, govde);
    });
  }

 private:
  TAsyncResim* sahip_;
  std::atomic<bool> iptal_{false};
  std::mutex kilit_;
  httplib::Client* istemci_ = nullptr;  // while a request is in flight
};

TAsyncResim::TAsyncResim(QWidget* parent) : OrantiliResim(parent) { Esnet(true); }

TAsyncResim::~TAsyncResim() {
  if (indirme_) indirme_->IptalEt();
}

void TAsyncResim::SetUrl(const std::string& url) {
  if (url == FUrl) return;
  FUrl = url;
  if (indirme_) indirme_->IptalEt();
  indirme_.reset();
  if (url.empty()) return;
  const QUrl adres(QString::fromStdString(url));
  if (!adres.isValid() || adres.host().isEmpty()) return;
  const std::string sunucu =
      adres.adjusted(QUrl::RemoveUserInfo | QUrl::RemovePath | QUrl::RemoveQuery | QUrl::RemoveFragment)
          .toString()
          .toStdString();
  std::string yol =
      adres.toString(QUrl::RemoveScheme | QUrl::RemoveAuthority | QUrl::RemoveFragment | QUrl::FullyEncoded).toStdString();
  if (yol.empty() || yol.front() != '/') yol = std::string(1, '/').append(yol);
  indirme_ = std::make_shared<Indirme>(this);
  Dagitici().RunInBackground([indirme = indirme_, sunucu, yol] { indirme->Calistir(sunucu, yol, indirme); });
}

// A picture that does not decode is dropped without a word; the control stays as it was.
void TAsyncResim::Goster(const std::string& contentType, const std::string& govde) {
  const char* bicim = QtBicimi(ResimTuruBul(contentType));
  if (bicim == nullptr) return;
  QImage resim;
  if (!resim.loadFromData(reinterpret_cast<const uchar*>(govde.data()), static_cast<int>(govde.size()), bicim)) return;
  setPixmap(QPixmap::fromImage(resim));
  update();
}

}  // namespace zorvat
