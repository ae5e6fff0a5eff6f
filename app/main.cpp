// Kestrix start-up: prepares the application and opens the opening window.
#include <cstdio>

#include <QApplication>

#include "app/opening_window.h"
#include "app/startup.h"
#include "ui/windows/navigation.h"

int main(int argc, char* argv[]) {
  if (!app::DisplayReachable(argc, argv)) {
    std::fprintf(stderr, "%s\n", app::kNoDisplayMessage);
    return 1;
  }
  QApplication application(argc, argv);
  app::PrepareApplication(application);
  ui::ShowOwnWindow(new app::frmOpening);
  return application.exec();
}
