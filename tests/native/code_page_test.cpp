#include "support/code_page_cases.h"
#include "support/native_text.h"

namespace {

// The same table runs against the platform's code page under Wine.
TEST(CodePage932, TheNativeStandInAgreesWithTheTable) { ExpectCodePage932(kCp932); }

} // namespace
