#pragma once
// The four choices both update wizards offer: write the firmware image, read
// it back, write the configuration banks, read them back.
namespace compiler {

struct UpdateOptions {
    bool writeFirmware = true;
    bool readBackFirmware = true;
    bool writeConfiguration = true;
    bool readBackConfiguration = true;
};

} // namespace compiler
