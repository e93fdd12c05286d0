#include "app/tf_my_legs.h"

#include <QGuiApplication>
#include <QScreen>

#include "app/window_look.h"

namespace aerotrace {

TfMyLegs::TfMyLegs(QWidget* parent) : QWidget(parent, Qt::Window) {
  setObjectName("TfMyLegs");
  setWindowTitle("MY LEGS");
  // Borderless, but unlike the others not kept on top.
  setWindowFlags(windowFlags() | Qt::FramelessWindowHint);
  resize(1009, 699);
  look::fill(this, look::kGrey32);
  panel2_ = new TitleStrip("MY LEGS", true, this);
  panel2_->setObjectName("Panel2");
  sgMyLegs_ = new HistoryGrid(this);
  sgMyLegs_->setContextMenuPolicy(Qt::CustomContextMenu);
  menu_ = new QMenu(this);
  orvantaTours1_ = menu_->addAction("ORVANTA TOURS");
  orvantaTours1_->setObjectName("ORVANTATOURS1");
  uploadLeg_ = menu_->addAction("UPLOAD LEG");
  uploadLeg_->setObjectName("UploadLeg");
  discardLeg_ = menu_->addAction("DISCARD LEG");
  discardLeg_->setObjectName("DiscardLeg");
  connect(sgMyLegs_, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
    const bool kept = kept_ && kept_(sgMyLegs_->selectedRow());
    uploadLeg_->setEnabled(kept);
    discardLeg_->setEnabled(kept);
    menu_->popup(sgMyLegs_->mapToGlobal(at));
  });
  connect(uploadLeg_, &QAction::triggered, this, [this] {
    if (uploadStored_) uploadStored_(sgMyLegs_->selectedRow());
  });
  connect(discardLeg_, &QAction::triggered, this, [this] {
    if (discardStored_) discardStored_(sgMyLegs_->selectedRow());
  });
  connect(orvantaTours1_, &QAction::triggered, this, [this] {
    if (reportPage_) reportPage_(sgMyLegs_->selectedRow());
  });
  timer1_.setSingleShot(true);
  timer1_.setInterval(500);
  connect(&timer1_, &QTimer::timeout, this, [this] {
    if (load_) load_();
  });
}

void TfMyLegs::setStoredLegHandlers(std::function<void(int)> upload,
                                    std::function<void(int)> discard,
                                    std::function<bool(int)> kept) {
  uploadStored_ = std::move(upload);
  discardStored_ = std::move(discard);
  kept_ = std::move(kept);
}

void TfMyLegs::open() {
  if (isVisible()) {
    raise();
    activateWindow();
    return;
  }
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    move(screen->availableGeometry().center() - rect().center());
  }
  show();
  sgMyLegs_->setFocus();  // the keys scroll the legs
  timer1_.start();
}

void TfMyLegs::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  panel2_->setGeometry(0, 0, width(), TitleStrip::kHeight);
  sgMyLegs_->setGeometry(0, TitleStrip::kHeight, width(), height() - TitleStrip::kHeight);
}

}  // namespace aerotrace
