#include "translation/MlBinDic.h"
#include "DictBuilder.h"

#include <QFile>

#include <gtest/gtest.h>

namespace {

QByteArray Resource(const char* name)
{
    QFile file(QStringLiteral(":/dictionary/") + QLatin1String(name));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name;
    return file.readAll();
}

TEST(ProgramDictionary, BuiltInDataReadAndMatchTheLanguageTable)
{
    EXPECT_EQ(Resource("LanguageData.bin"), ProgramLanguages());
    EXPECT_EQ(Resource("LocaleData.bin"), NoLocales());
    TMlBinaryDictionary d;
    d.Storage = mlsEmbedded;
    d.LoadEmbeddedData();
    EXPECT_EQ(d.LanguageCount(), 3);
    EXPECT_GT(d.DataEntryCount(), 0u);
}

}  // namespace
