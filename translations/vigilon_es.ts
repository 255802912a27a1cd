<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>StringTable</name>
    <message>
        <source>Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The serial port %s could not be opened.
It may be in use by another program.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not open file !</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid checksum or no valid option board file !</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Option board file is write protected or disk is full !</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Option board data checksum error !</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unknown option board detected.
Make sure the correct option board is installed in the radio.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Option Board at %s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No serial port assigned.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Checksum error in received message.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Received message too long.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Received message incomplete.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No response from radio.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>NAK received from radio.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unexpected response from radio.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Operation not supported by this radio.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No response from option board.
Make sure the correct option board is installed in the radio
and the radio&apos;s codeplug is programmed for this option board.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Failed to read the option board !</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Option board successfully read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Failed to program the option board !</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Option board successfully programmed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Are you sure you wish to program the option board ?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Failed to calibrate the accelerometer !</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Accelerometer successfully calibrated.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Are you really sure you wish to calibrate the accelerometer ?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Turn the radio very slowly for at least 360 degrees.
 Press the OK button when done.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unexpected response from the option board.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Processed %d bytes of %d bytes.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calibration data file is write protected or disk is full !</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Codeplug version not supported by this OSS.
Radio/File codeplug version: %02d . %02d
OSS codeplug version: %02d . %02d</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The data is not valid.
Please enter an integer number between %d and %d.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>30°</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>45°</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>60°</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>low</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>medium</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>high</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Man Down Alarm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pre Alert Time (s)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alert Time (s)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Activation Angle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Anti-Movement Alarm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Movement Alarm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alert Enable</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alert Repeat Enable</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alert Repeat Time (s)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sensor Sensitivity</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clock Shift</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Option Board Type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hardware Revision</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Software Version</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Codeplug Version</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vendor Remarks:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>on</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Checksum</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%d (outside %d to %d)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calibration data saved to %s.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No serial port found.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stopped before the operation was complete; the radio has been reset.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>hint: %s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No backups in %s.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%s could not be written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%s could not be read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%s is too large to be a settings text (%d KiB or more).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%s stands for %s.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no such device: connect the programming cable, or under Options &gt; Configuration choose another port, or the cable&apos;s device for %s (the command line also takes --device PATH).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You may not use %s: ask for read and write access to it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You may not use %s: it belongs to the group %s. Add yourself to that group (sudo adduser $USER %s), then log out and in again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Another program holds it: close that program (a second copy of this tool counts) and try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>present</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not present</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The option board holds other settings than were written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The settings could not be read back: the option board may hold other settings than were written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The option board&apos;s current settings could not be backed up, so nothing was written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vigilon option board settings. Lines starting with # are comments.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&apos;%s&apos; is not a setting: write key = value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown key &apos;%s&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&apos;%s&apos; is given a second time (first on line %d)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&apos;%s&apos; is not a codeplug version: write it as major.minor, for example 01.00</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&apos;%s&apos; is not a whole number (%s)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%s is outside the limits of %s, %d to %d</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&apos;%s&apos; is missing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&apos;%s&apos; is not a supported codeplug version: the major version must be 01 to %02d</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The settings were read, but no backup of them could be kept:
%s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The read-out was stopped after %d of %d bytes.
The radio has been reset; nothing was saved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not two numbers from 0 to 255 separated by a tab</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%d is outside 0 to 255</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file ends here; calibration data has %d lines</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>one line more than the %d lines of calibration data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Column %d: minimum %d, maximum %d, mean %s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>NoName</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vigilon Data Files (*.vgd)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>.vgd</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vigilon Calibration Data (*.txt)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All files (*.*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recent files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Option &amp;Board</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Window Size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vigilon OSS Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Contents</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No topic contains these words.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The program cannot be closed while it works with the radio.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Elapsed %s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Elapsed %s, about %s to go</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stopping after the current request...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reading the option board on %s (%s)...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Programming the option board on %s (%s)...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reading the option board information on %s (%s)...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calibrating the accelerometer on %s (%s)...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reading the calibration data on %s (%s)...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No settings loaded.
Read the option board (Ctrl+R) or open a data file (Ctrl+O).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Settings read from the option board on %s (%s)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Settings from the file %s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Changed since then.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unchanged since then.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not saved to a file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saved as %s.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open Backup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Backups of the settings read from boards and of calibration read-outs, newest first, kept in %s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Port</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The settings are the same as in %s.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The settings differ from %s:

%s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calibration Data - %s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Column %d</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Line</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reset Zoom</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Drag across the plot to zoom in, right-click to zoom out.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(%lu earlier lines dropped: the trace keeps the last %lu KiB)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Serial Trace (*.txt)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no serial trace yet. The trace of a command that talks to the radio can be saved once it has run.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The serial trace could not be saved to %s.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change the Program Configuration
Configuration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open existing option board data file
Open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read data from option board
Read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write data to option board
Write</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show additional information about the option board
Info</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit option board data
Edit data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calibrate option board
Calibrate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save option board data to file
Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save the active option board data file with a new name
Save As</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open this option board data file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Display program information, version number and copyright
About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quit the Vigilon OSS
Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Display help for current task or command
Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show or hide the toolbar
Toggle ToolBar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show or hide the status bar
Toggle StatusBar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open one of the backups of settings read from boards
Open Backup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show how the settings differ from those of a data file
Compare With File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read the settings back after writing them and compare
Verify After Write</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Back up the board&apos;s settings before writing new ones
Back Up Before Write</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show or hide the settings in the main window
Settings Summary</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Plot an exported calibration data file with its figures
View Calibration Data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save what went over the serial line since the program started, for support
Save Serial Trace</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CAP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>NUM</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SCRL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>For Help, press F1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save As</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All Files (*.*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save changes to %1?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Program every radio connected from now on with these settings, one after the other?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Radio %d: waiting for a radio on %s...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connect the next radio.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Radio %d: programming %s...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Failed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Radio %d: %s: %s (%.1f s)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The report %s could not be written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%d radios programmed, %d failed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time (UTC)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Radio Information</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Result</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reason</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Program Several Radios</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Settings:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(the document&apos;s settings)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Radios:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read the settings back after each write</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Report:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There are no settings to program: read or open them first, or choose a data file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>until stopped</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(no report)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The calibration data were read, but no copy of them could be kept:
%s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%s is in the backups folder, where nothing is saved but the backups the program makes itself. Choose a file outside %s.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%s (backup, opened as a copy)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A copy of the calibration data is kept in %s.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The option board answered the read at address 0x%04X with %d of %d bytes.
The read-out has failed; nothing was saved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%s is not a file that can be written: it is a folder, a device, a named pipe or a loop of links.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%s is write-protected.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%s cannot be written: its folder does not exist or takes no new file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%s cannot be written: the disk is full.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%s is also the command&apos;s input; choose another file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%s is named for two outputs; choose another file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(%lu earlier operations dropped: the trace keeps the last %lu KiB)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not all of the board&apos;s information could be read in full: the fields above may be empty or cut short.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The errors above did not stop the command: the answers that followed them passed every check.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%s does not exist.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You may not read %s: ask for read access to it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%s is a folder, not a file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%s is a device or a named pipe, not a file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%s is a loop of symbolic links.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Another program holds %s: close that program and try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%s holds no settings this program can use.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The serial trace %s could not be written completely.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Failed: %s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No serial device found.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The port %s (%s) opens.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The device %s opens.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check Connection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check &amp;Again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Checking the connection on %s (%s)...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What is sent comes back: the cable is connected.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing came back: the cable is not plugged into the radio, or this is not the programming cable.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The radio acknowledges.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The radio does not answer: switch it on, and check that it is in programming mode.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The radio says: %s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The option board answers: %s.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No option board answers: is one fitted?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The board&apos;s codeplug version %d.%02d is one this program can use.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The board&apos;s codeplug version %d.%02d is not one this program can use.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The radio has been reset.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The radio did not acknowledge its reset.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>✓</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>✗</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cable</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The device a port stands for</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Port:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Device:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%s (built in)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Devices &amp;found:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%s: %s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find &amp;Cable...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose the Device of the Port</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Another device (typed or browsed)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find Cable</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unplug the programming cable from this computer now.

If it is not plugged in, plug it in: the device that comes is chosen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%s went away. Plug the cable in again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Serial devices now: %s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>usb</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>serial</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%d radios programmed, %d failed, on %d ports.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ports:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tick at least one port to program radios on.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%s: not in this run.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%s: ended, %d radios programmed, %d failed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check the way to the option board link by link: port, cable, radio, board
Check Connection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Program radio after radio with the same settings, with a report
Program Several Radios</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vigilon OSS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vigilon OSS (Labtool)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose the language of the program
Language</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Language</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Language of Vigilon OSS:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>As the system&apos;s settings (%s)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The new language is used from the next start of Vigilon OSS.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
