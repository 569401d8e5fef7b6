#include "platform/shift_jis.h"
#include "support/code_page_cases.h"

namespace {

// The same table runs against the native stand-in of the window-free tests.
TEST(CodePage932, ThePlatformAgreesWithTheTable) { ExpectCodePage932(ShiftJis()); }

} // namespace
