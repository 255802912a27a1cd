// The settings record and its memory image: defaults, field layout, checksum,
// the conversions both ways and the marking of the document.
#include "tests/support/board_fixture.h"

using Record = BoardRecordTest;

TEST_F(Record, DefaultRecordGivesTheKnownImage)
{
    ByteVector image(SETTINGS_IMAGE_SIZE, 0xEE);
    theOptionBoardData.ToImage(image.data());
    EXPECT_EQ(image, DefaultImage());
    EXPECT_EQ(theOptionBoardData.checksum, 254);
}

TEST_F(Record, EveryMemberHasItsOwnPlaceInTheImageAndComesBack)
{
    COptionBoardData source;
    source.tiltAlarm.Set(0);
    source.tiltPreAlertTime.Set(0x0123);
    source.tiltAlertTime.Set(0x0045);
    source.activationAngle.Set(2);
    source.antiMovementAlarm.Set(0);
    source.antiMovementPreAlertTime.Set(0x0256);
    source.antiMovementAlertTime.Set(0x0067);
    source.movementAlarm.Set(1);
    source.movementPreAlertTime.Set(0x0008);
    source.movementAlertTime.Set(0x0009);
    source.movementAlertEnable.Set(1);
    source.alertRepeat.Set(1);
    source.alertRepeatTime.Set(0x0031);
    source.sensorSensitivity.Set(0);
    source.clockShift.Set(1);
    ByteVector image(SETTINGS_IMAGE_SIZE);
    source.ToImage(image.data());
    EXPECT_EQ(image, WithChecksum({ 0, 0, 0x00, 0x01, 0x23, 0x00, 0x45, 0x02, 0x00, 0x02, 0x56, 0x00, 0x67, 0x01,
                                    0x00, 0x08, 0x00, 0x09, 0x01, 0x01, 0x00, 0x31, 0x00, 0x01 }));

    COptionBoardData target;
    ASSERT_TRUE(target.FromImage(image.data()));
    EXPECT_EQ(Values(target), Values(source));
}

TEST_F(Record, FlagsAreReadFromBitZeroOnly)
{
    ByteVector image = DefaultImage();
    image[2] = 0xFE;  // man down alarm: bit 0 clear
    image[13] = 0x03; // movement alarm: bit 0 set
    image = WithChecksum(image);
    ASSERT_TRUE(theOptionBoardData.FromImage(image.data()));
    EXPECT_EQ(theOptionBoardData.tiltAlarm.Get(), 0);
    EXPECT_EQ(theOptionBoardData.movementAlarm.Get(), 1);
}

TEST_F(Record, ValuesOutOfRangeComeInUncheckedAndGoOutInTheirFieldWidths)
{
    ByteVector image = DefaultImage();
    image[3] = 0x02; // tilt pre-alert time 0x02BC = 700 s
    image[4] = 0xBC;
    image[7] = 5;    // an angle index that does not exist
    image = WithChecksum(image);
    ASSERT_TRUE(theOptionBoardData.FromImage(image.data()));
    EXPECT_EQ(theOptionBoardData.tiltPreAlertTime.Get(), 700);
    EXPECT_EQ(theOptionBoardData.activationAngle.Get(), 5);

    theOptionBoardData.tiltAlertTime.Set(0x12345); // low 16 bits: 0x2345
    theOptionBoardData.sensorSensitivity.Set(0x1FF); // low 8 bits: 0xFF
    theOptionBoardData.clockShift.Set(7);            // a flag byte is written whole
    ByteVector out(SETTINGS_IMAGE_SIZE);
    theOptionBoardData.ToImage(out.data());
    EXPECT_EQ(out[5], 0x23);
    EXPECT_EQ(out[6], 0x45);
    EXPECT_EQ(out[22], 0xFF);
    EXPECT_EQ(out[23], 0x07);
    EXPECT_EQ(out, WithChecksum(out)) << "the checksum covers what was written";
}

TEST_F(Record, ImagesThatDoNotAddUpAreRefusedAndChangeNothing)
{
    theOptionBoardData.tiltAlertTime.Set(42);
    const std::vector<int32_t> before = Values(theOptionBoardData);
    ByteVector wrong = DefaultImage();
    wrong[1] = 0xFF;
    const ByteVector zero(SETTINGS_IMAGE_SIZE, 0x00);
    EXPECT_FALSE(theOptionBoardData.FromImage(wrong.data()));
    EXPECT_EQ(theOptionBoardData.checksum, 0x00FF) << "the stored checksum is kept";
    EXPECT_FALSE(theOptionBoardData.FromImage(zero.data())) << "all-zero fields are never valid";
    EXPECT_EQ(Values(theOptionBoardData), before);

    ByteVector cleared = DefaultImage();
    theOptionBoardData.ClearImage(cleared.data());
    EXPECT_EQ(cleared, zero);
}

TEST_F(Record, OnlyARealChangeMarksTheDocument)
{
    CountingSink sink;
    theOptionBoardData.tiltPreAlertTime.Set(100);
    theOptionBoardData.tiltAlarm.Set(1);
    EXPECT_EQ(sink.marks, 0);
    theOptionBoardData.tiltPreAlertTime.Set(101);
    EXPECT_EQ(sink.marks, 1);
    theOptionBoardData.tiltPreAlertTime.Set(5000); // out of range: stored and marked all the same
    EXPECT_EQ(theOptionBoardData.tiltPreAlertTime.Get(), 5000);
    theOptionBoardData.clockShift.Set(2);
    EXPECT_EQ(sink.marks, 3);

    // Loading an image marks once per member that changes.
    sink.marks = 0;
    ByteVector image = DefaultImage();
    ASSERT_TRUE(theOptionBoardData.FromImage(image.data()));
    EXPECT_EQ(sink.marks, 2) << "tiltPreAlertTime and clockShift came back to their defaults";
    sink.marks = 0;
    ASSERT_TRUE(theOptionBoardData.FromImage(image.data()));
    EXPECT_EQ(sink.marks, 0);
}

TEST_F(Record, WithoutADocumentValuesAreOnlyStored)
{
    theOptionBoardData.alertRepeatTime.Set(33);
    EXPECT_EQ(theOptionBoardData.alertRepeatTime.Get(), 33);
    CountingSink sink;
    theOptionBoardData.alertRepeatTime.Set(33);
    EXPECT_EQ(sink.marks, 0);
}
