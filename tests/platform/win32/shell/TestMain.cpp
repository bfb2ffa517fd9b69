// The tests' own entry: started with the child-report variable set, the program only
// reports how it was started (see ProcessTest).
#include "TestSupport.h"

#include <gtest/gtest.h>

#include <cstdlib>

int main(int argc, char** argv) {
    if (const char* report = std::getenv(porutena::test::ChildReportVariable))
        return porutena::test::WriteChildReport(report);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
