// SPDX-License-Identifier: MIT
// The page's address as the command line, read as a browser reads a form.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/web/page_query.h"

namespace {

using Arguments = std::vector<std::string>;

TEST(PageQuery, FieldsBecomeOptions) {
    const struct {
        const char* query;
        Arguments arguments;
    } cases[] = {
        {"", {}},
        {"?deal=W4PG-1HR93N9", {"--deal=W4PG-1HR93N9"}},
        {"deal=w4pg+1hr93n9", {"--deal=w4pg 1hr93n9"}},
        {"?lang=en&clock=10%3A00%3A00.000&deal=%57%34",
         {"--clock=10:00:00.000", "--lang=en", "--deal=W4"}},
        {"?deal=A&deal=B", {"--deal=A"}},
        {"?deal=&deal=B", {}},
        {"?deal", {}},
        {"?deal=--help", {"--deal=--help"}},
        {"?de%61l=%zz%4", {"--deal=%zz%4"}},
        {"?deal=A%00B", {}},
        {"?x=1&q7K&deal=C", {"--deal=C", "q7K"}},
        {"?deal=q7K", {"--deal=q7K", "q7K"}},
        {"?Deal=A&lang=en=ru", {"--lang=en=ru"}},
    };
    for (const auto& one : cases) {
        EXPECT_EQ(platform::web::pageArguments(one.query), one.arguments) << one.query;
    }
}

} // namespace
