#pragma once

#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <functional>
#include <string>

#include "app/image_button.h"
#include "app/title_strip.h"
#include "tours/vid_store.h"

namespace aerotrace {

// "VID Settings": asks for the pilot's VID when none of six characters is
// stored. OK keeps an accepted VID (and stores it); a refused one gets
// "INCORRECT" and the window stays.
class TfVID : public QDialog {
  Q_OBJECT

 public:
  using MessageShower = std::function<void(const std::string&)>;

  TfVID(std::string& vid, VidStore& store, MessageShower showMessage, QWidget* parent = nullptr);

  QLineEdit* Edit1() const { return edit1_; }
  ImageButton* Image1() const { return image1_; }
  ImageButton* Image2() const { return panel1_->closeImage(); }
  TitleStrip* Panel1() const { return panel1_; }

 protected:
  void showEvent(QShowEvent* event) override;
  // Enter is OK, also while typing in the field.
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void confirm();

  std::string& vid_;
  VidStore& store_;
  MessageShower showMessage_;
  TitleStrip* panel1_;
  QLineEdit* edit1_;
  ImageButton* image1_;
};

}  // namespace aerotrace
