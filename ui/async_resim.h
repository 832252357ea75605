// The picture controls of the add-to-basket dialog: a picture fitted into its box, and
// TAsyncResim, which fetches its picture from a web address in the background.
#pragma once

#include <QLabel>
#include <memory>
#include <string>

namespace zorvat {

// A picture scaled into the box with its proportions kept and centred; where it does not
// cover the box the control is transparent. A picture smaller than the box keeps its size
// unless the control stretches.
class OrantiliResim : public QLabel {
 public:
  explicit OrantiliResim(QWidget* parent = nullptr);
  void Esnet(bool esnet);
  bool Esniyor() const { return esnet_; }
  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  bool esnet_ = false;
};

// A stretched, proportional, centred, transparent picture whose Url is fetched over HTTP
// on a worker. Only a picture whose content type says JPEG, BMP or PNG and that decodes is
// shown; every failure is silent and leaves the control as it was. A new address cancels
// the download of the previous one; destroying the control cancels its download, and an
// answer that arrives afterwards touches nothing.
class TAsyncResim : public OrantiliResim {
 public:
  explicit TAsyncResim(QWidget* parent = nullptr);
  ~TAsyncResim() override;

  const std::string& Url() const { return FUrl; }
  // Starts the download unless the address is the one set last or empty; returns at once.
  void SetUrl(const std::string& url);

 private:
  class Indirme;

  void Goster(const std::string& contentType, const std::string& govde);

  std::string FUrl;
  std::shared_ptr<Indirme> indirme_;
};

}  // namespace zorvat
