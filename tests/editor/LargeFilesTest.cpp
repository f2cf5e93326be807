// Loads of very large files. They take seconds and a good deal of memory, so they carry the
// CTest label "large" and are left out of the ordinary test run (see the README).

#include "support/ScriptedPlatform.h"
#include "documents/Documents.h"
#include "support/TestSupport.h"

#include <functional>

namespace {

using LargeFiles = EditorTest;

// A 200 MB file that is one JSON string is valid JSON but no document: every load reports it
// and nothing changes.
TEST_F(LargeFiles, FileOfOneStringOf200MB) {
    {
        QFile file(Path(QStringLiteral("string.json")));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        const QByteArray chunk(1 << 20, 'a');
        file.write("\xEF\xBB\xBF\"");
        for (int i = 0; i < 200; ++i) ASSERT_EQ(file.write(chunk), chunk.size());
        file.write("\"\r\n");
    }
    Type(form.Edit1, QStringLiteral("Water"));
    const auto data = form.Data;
    const std::function<void()> loads[] = {
        [&] { form.Button6Click(&form.Button6); },
        [&] { form.Button8Click(&form.Button8); },
        [&] { form.Button11Click(&form.Button11); },
    };
    for (const auto& load : loads) {
        platform.errors.clear();
        platform.Choose(Path(QStringLiteral("string.json")));
        User(load);
        EXPECT_EQ(platform.errors, QStringList{"Invalid class typecast."});
        EXPECT_EQ(form.Data, data);
        EXPECT_EQ(form.Edit1.Text(), "Water");
        EXPECT_TRUE(form.FSpeciesChanged);
    }
}

}  // namespace
