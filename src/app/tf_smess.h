#pragma once

#include <QDialog>
#include <QLabel>
#include <string>

#include "app/image_button.h"
#include "app/title_strip.h"

namespace aerotrace {

// The one modal message window: created once and reused for every message.
class TfSMess : public QDialog {
  Q_OBJECT

 public:
  explicit TfSMess(QWidget* parent = nullptr);

  // Shows the text (a carriage return starts a new line) and returns when the
  // pilot has pressed OK.
  void showMessage(const std::string& text);

  QLabel* lblInfo() const { return lblInfo_; }
  ImageButton* Image1() const { return image1_; }
  TitleStrip* Panel1() const { return panel1_; }

 protected:
  // Enter is OK.
  void keyPressEvent(QKeyEvent* event) override;

 private:
  TitleStrip* panel1_;
  QLabel* lblInfo_;
  ImageButton* image1_;
};

}  // namespace aerotrace
