// The bench for GUI tests: settings of their own in a scratch folder, file
// dialogs and message boxes answered by the test, and the application started
// the way the program starts it.
#pragma once

#include "board/option_board_data.h"
#include "link/radio_link.h"
#include "link/serial_devices.h"
#include "operations/readout_operation.h"
#include "resources/command_ids.h"
#include "seams/status_message.h"
#include "sim/board_memory.h"
#include "tests/support/recording_presenter.h"
#include "ui/host/file_dialogs.h"
#include "ui/base/program_objects.h"
#include "ui/shell/document_manager.h"
#include "ui/shell/main_frame.h"
#include "ui/shell/vigilon_oss_app.h"
#include "ui/shell/vigilon_oss_doc.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QMenuBar>
#include <QSettings>
#include <QStringList>
#include <QTemporaryDir>
#include <QtTest>

#include <deque>
#include <memory>

// File dialogs that answer from a script: a path, or an empty text for Cancel.
class ScriptedFileDialogs : public IFileDialogs {
public:
    ScriptedFileDialogs() { SetFileDialogs(this); }
    ~ScriptedFileDialogs() override { SetFileDialogs(nullptr); }
    bool OpenDataFile(QWidget*, QString& path) override { return Answer(path); }
    bool SaveDataFileAs(QWidget*, const QString& proposed, QString& path) override
    {
        proposals.append(proposed);
        return Answer(path);
    }
    bool SaveCalibrationFile(QWidget*, QString& path) override { return Answer(path); }
    bool ChooseBackup(QWidget*, QString& path) override { return Answer(path); }
    bool SaveTraceFile(QWidget*, QString& path) override { return Answer(path); }
    bool SaveHistoryFile(QWidget*, const QString& proposed, QString& path) override
    {
        proposals.append(proposed);
        return Answer(path);
    }
    bool ChooseDevice(QWidget*, const QString&, QString& path) override { return Answer(path); }
    bool SaveJobSheet(QWidget*, const QString& proposed, QString& path) override
    {
        proposals.append(proposed);
        return Answer(path);
    }

    std::deque<QString> answers;
    QStringList proposals;

private:
    bool Answer(QString& path)
    {
        if (answers.empty())
            return false;
        path = answers.front();
        answers.pop_front();
        return !path.isEmpty();
    }
};

// Settings in a folder of the test's own, emptied before each test.
class ScratchSettings {
public:
    ScratchSettings()
    {
        QSettings::setDefaultFormat(QSettings::IniFormat);
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, m_dir.path());
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_dir.path());
    }
    void Clear()
    {
        QSettings settings(QStringLiteral("Ardentec"), QStringLiteral("Vigilon OSS"));
        settings.clear();
        settings.sync();
    }
    void Set(const QString& key, const QVariant& value)
    {
        QSettings settings(QStringLiteral("Ardentec"), QStringLiteral("Vigilon OSS"));
        settings.setValue(key, value);
        settings.sync();
    }
    QVariant Get(const QString& key)
    {
        QSettings settings(QStringLiteral("Ardentec"), QStringLiteral("Vigilon OSS"));
        return settings.value(key);
    }

private:
    QTemporaryDir m_dir;
};

// Puts the GUI's objects back as a fresh program has them.
inline void ResetProgramState()
{
    theOptionBoardData.ResetAll();
    codeplugMajor = supportedCodeplugMajor;
    codeplugMinor = supportedCodeplugMinor;
    g_bLabMode = false;
    theRadioLink.m_nStatus = LINK_OK;
}

// The texts of a menu's items, separators as "-", submenus as their title.
// A USB programming cable as the device listing finds it: ttyUSB0, with its stable path.
inline SerialDevice FtdiCable()
{
    SerialDevice cable;
    cable.name = "ttyUSB0";
    cable.path = "/dev/ttyUSB0";
    cable.stablePath = "/dev/serial/by-id/usb-FTDI_FT232R_USB_UART_A1B2C3D4-if00-port0";
    cable.usb = cable.knownCable = true;
    cable.vendorId = 0x0403;
    cable.productId = 0x6001;
    cable.manufacturer = "FTDI";
    cable.product = "FT232R USB UART";
    cable.serialNumber = "A1B2C3D4";
    return cable;
}

inline QStringList MenuTexts(QMenu* menu)
{
    QStringList texts;
    for (QAction* action : menu->actions()) {
        if (!action->isVisible())
            continue;
        if (action->isSeparator())
            texts.append(QStringLiteral("-"));
        else
            texts.append(action->text() + (action->shortcut().isEmpty() ? QString() : QStringLiteral("\t") + action->shortcut().toString()));
    }
    return texts;
}

inline QMenu* TopMenu(CMainFrame* frame, int index)
{
    return frame->menuBar()->actions().at(index)->menu();
}

// The data file of a factory-fresh record, codeplug version 1.0.
inline QByteArray DefaultDataFile()
{
    return QByteArray::fromHex("010000FE010064000A01010064000A00000A000A0000000A0100");
}

inline void WriteFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    file.open(QIODevice::WriteOnly | QIODevice::Truncate);
    file.write(bytes);
}

// The export of a read-out of the board's calibration pattern, the file the
// calibration plot opens.
inline void WriteCalibrationExport(const QString& path)
{
    std::vector<uint8_t> data;
    for (size_t address = CAL_DATA_START; address < CAL_DATA_START + size_t(CAL_DATA_SIZE); ++address)
        data.push_back(sim::BoardMemory::CalibrationPattern(address));
    const std::string text = FormatCalibrationExport(data.data(), data.size());
    WriteFile(path, QByteArray(text.data(), static_cast<int>(text.size())));
}
