// Aerotrace: the bar over the simulator. Starts as the always-on-top bar at
// the mouse cursor; ends when it is closed.
#include <QApplication>
#include <utility>

#include "app/tf_h.h"
#include "core/voice.h"
#include "tours/tours_settings.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName("AEROTRACE");
  QApplication::setApplicationDisplayName("AEROTRACE");
  Q_INIT_RESOURCE(artwork);

  aerotrace::TfHParts parts;
  parts.clock = aerotrace::makeSystemClock();
  parts.transport = aerotrace::createSystemIpcTransport();
  parts.vids = aerotrace::createSystemVidStore();
  parts.opener = aerotrace::createSystemDocumentOpener();
  parts.voice = [] { return aerotrace::createSystemVoice(); };
  parts.toursUrl = aerotrace::toursUrl();
  parts.airportsPath = "airports.csv";  // in the current folder

  // The main window first: closing it ends the program. It makes the other
  // windows itself, in their order.
  aerotrace::TfH main(std::move(parts));
  main.show();
  if (!main.FormShow()) return 0;
  return QApplication::exec();
}
