#include "compiler/FieldWriter.h"

#include <gtest/gtest.h>

#include <array>
#include <functional>

namespace {

using compiler::CompileErrorKind;
using compiler::CompileFailure;
using compiler::FieldWriter;

// In every build, not only where assertions are on.
TEST(FieldWriter, AFieldOutsideItsBlockFailsTheCompileAndWritesNothing)
{
    struct Case {
        const char *name;
        std::function<void(FieldWriter &)> write;
        bool fits;
    };
    const Case cases[] = {
        {"last byte", [](FieldWriter &w) { w.u8(7, 0xAB); }, true},
        {"last word", [](FieldWriter &w) { w.u16(6, 0xABCD); }, true},
        {"last long", [](FieldWriter &w) { w.u32(4, 0x01020304); }, true},
        {"byte behind", [](FieldWriter &w) { w.u8(8, 1); }, false},
        {"word across the end", [](FieldWriter &w) { w.u16(7, 1); }, false},
        {"long across the end", [](FieldWriter &w) { w.u32(5, 1); }, false},
        {"quad across the end", [](FieldWriter &w) { w.quad(6, {1, 2, 3, 4}); }, false},
        {"before the block", [](FieldWriter &w) { w.u8(-1, 1); }, false},
        {"far behind", [](FieldWriter &w) { w.u32(qsizetype(1) << 40, 1); }, false},
    };
    for (const Case &c : cases) {
        std::array<std::uint8_t, 10> memory{}; // 8 of them are the block; 2 guard bytes after it
        FieldWriter writer(memory.data(), 8);
        if (c.fits) {
            EXPECT_NO_THROW(c.write(writer)) << c.name;
        } else {
            try {
                c.write(writer);
                ADD_FAILURE() << c.name << ": no failure";
            } catch (const CompileFailure &failure) {
                EXPECT_EQ(failure.kind(), CompileErrorKind::FieldOutsideBlock) << c.name;
            }
            EXPECT_EQ(memory, (std::array<std::uint8_t, 10>{})) << c.name;
        }
        EXPECT_EQ(memory[8] | memory[9], 0) << c.name;
    }
}

} // namespace
