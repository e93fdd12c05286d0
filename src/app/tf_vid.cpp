#include "app/tf_vid.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QScreen>

#include "app/window_look.h"
#include "tours/pilot_identity.h"

namespace aerotrace {

TfVID::TfVID(std::string& vid, VidStore& store, MessageShower showMessage, QWidget* parent)
    : QDialog(parent), vid_(vid), store_(store), showMessage_(std::move(showMessage)) {
  setObjectName("TfVID");
  setWindowTitle("VID Settings");
  look::makeBorderless(this);
  setModal(true);
  setFixedSize(328, 236);
  look::fill(this, look::kGrey64);

  panel1_ = new TitleStrip("Fill in your VID", true, this);
  panel1_->setObjectName("Panel1");
  panel1_->setGeometry(0, 0, width(), TitleStrip::kHeight);
  panel1_->closeImage()->setObjectName("Image2");

  auto* caption = new QLabel("Your VID", this);
  caption->setFont(look::font(11));
  caption->setStyleSheet("color: rgb(160, 160, 160);");
  caption->setGeometry(64, 62, 200, 18);

  edit1_ = new QLineEdit(this);
  edit1_->setObjectName("Edit1");
  edit1_->setMaxLength(6);
  edit1_->setAlignment(Qt::AlignCenter);
  edit1_->setFont(look::font(28, true));
  edit1_->setStyleSheet(
      "QLineEdit { color: white; background: rgb(32, 32, 32); border: none;"
      " border-radius: 6px; }");
  edit1_->setGeometry(64, 84, 200, 48);

  image1_ = new ImageButton(":/artwork/ok.png", this);
  image1_->setObjectName("Image1");
  image1_->move((width() - 61) / 2, 170);
  connect(image1_, &ImageButton::pressed, this, [this] { confirm(); });

  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    move(screen->geometry().center() - rect().center());
  }
}

void TfVID::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  edit1_->clear();
  edit1_->setFocus();
}

void TfVID::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
    confirm();
    return;
  }
  QDialog::keyPressEvent(event);
}

void TfVID::confirm() {
  // The field holds at most six characters typed by the pilot; keep them as
  // typed, blanks included.
  const std::string typed = edit1_->text().toStdString();
  const VidConfirmation result = confirmVid(typed, vid_, store_);
  if (!result.accepted) {
    if (showMessage_) showMessage_(result.message);
    edit1_->setFocus();
    return;
  }
  accept();
}

}  // namespace aerotrace
