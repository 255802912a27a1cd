// The Qt application vigilon-oss-cli runs in: a QCoreApplication, or, when the
// command line asks for a job sheet, a QGuiApplication, whose fonts the
// sheet's PDF needs. Without a display (Linux, no DISPLAY or WAYLAND_DISPLAY)
// it draws on the offscreen platform.
#pragma once

#include <QCoreApplication>

#include <memory>

std::unique_ptr<QCoreApplication> MakeCliApplication(int& argc, char** argv);
