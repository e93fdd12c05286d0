#include "app/tf_smess.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QScreen>

#include "app/qt_text.h"
#include "app/window_look.h"

namespace aerotrace {

TfSMess::TfSMess(QWidget* parent) : QDialog(parent) {
  setObjectName("TfSMess");
  look::makeBorderless(this);
  setModal(true);
  setFixedSize(328, 236);
  look::fill(this, look::kGrey64);

  panel1_ = new TitleStrip("INFO", false, this);
  panel1_->setObjectName("Panel1");
  panel1_->setGeometry(0, 0, width(), TitleStrip::kHeight);

  // A fixed box: the window never grows; a longer message is cut at the
  // label's bottom (see showMessage).
  lblInfo_ = new QLabel(this);
  lblInfo_->setObjectName("lblInfo");
  lblInfo_->setGeometry((width() - 273) / 2, 56, 273, 110);
  lblInfo_->setAlignment(Qt::AlignCenter);
  lblInfo_->setWordWrap(true);
  lblInfo_->setFont(look::font(13, true));
  lblInfo_->setStyleSheet("color: white;");

  auto* box = new QFrame(this);
  box->setGeometry((width() - 71) / 2, 176, 71, 47);
  box->setStyleSheet("background: rgb(32, 32, 32); border-radius: 6px;");
  image1_ = new ImageButton(":/artwork/ok.png", this);
  image1_->setObjectName("Image1");
  image1_->move((width() - 61) / 2, 179);
  connect(image1_, &ImageButton::pressed, this, [this] { accept(); });
}

void TfSMess::showMessage(const std::string& text) {
  QString shown = toQt(text);
  shown.replace("\r\n", "\n").replace('\r', '\n');
  lblInfo_->setText(shown);
  // Centred while it fits; a message that does not fit starts at the top,
  // so that its beginning is read and only its end is cut.
  const QRect fitted = QFontMetrics(lblInfo_->font())
                           .boundingRect(QRect(0, 0, lblInfo_->width(), 100000),
                                         Qt::AlignHCenter | Qt::TextWordWrap, shown);
  lblInfo_->setAlignment(Qt::AlignHCenter |
                         (fitted.height() > lblInfo_->height() ? Qt::AlignTop : Qt::AlignVCenter));
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    move(screen->geometry().center() - rect().center());
  }
  exec();
}

void TfSMess::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
    accept();
    return;
  }
  QDialog::keyPressEvent(event);
}

}  // namespace aerotrace
