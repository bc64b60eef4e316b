#include "FileCopy.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QTemporaryDir>
#include <unistd.h>

namespace waybill::launcher {
namespace {

enum class Step { None, Create, Write, Flush, Permissions, Rename };

// The system's calls, except that one step fails; a failing write has written part of its
// bytes first, as on a disk that fills up.
class FailingCalls final : public CopyCalls {
  public:
    explicit FailingCalls(Step failing) : failing_(failing) {}
    bool Create(QFile& file) override { return failing_ != Step::Create && real_.Create(file); }
    bool Write(QFile& file, const QByteArray& bytes) override {
        if (failing_ == Step::Write) {
            real_.Write(file, bytes.left(bytes.size() / 2));
            return false;
        }
        return real_.Write(file, bytes);
    }
    bool Flush(QFile& file) override { return failing_ != Step::Flush && real_.Flush(file); }
    bool SetPermissions(const QString& path, QFileDevice::Permissions permissions) override {
        return failing_ != Step::Permissions && real_.SetPermissions(path, permissions);
    }
    bool Rename(const QString& from, const QString& to) override {
        return failing_ != Step::Rename && real_.Rename(from, to);
    }

  private:
    CopyCalls& real_ = SystemCopyCalls();
    Step failing_;
};

class FileCopyTest : public testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(dir_.isValid());
        ASSERT_TRUE(QDir().mkpath(Source()));
        ASSERT_TRUE(QDir().mkpath(Install()));
        Write(Source() + "lib.so", QByteArray(200000, 'n'));
        Write(Install() + "lib.so", "old installed bytes");
    }
    QString Source() const { return dir_.path() + "/source/"; }
    QString Install() const { return dir_.path() + "/install/"; }
    static void Write(const QString& path, const QByteArray& bytes) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_EQ(file.write(bytes), bytes.size());
    }
    static QByteArray Read(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }
    QStringList InstalledNames() const {
        return QDir(Install()).entryList(QDir::Files | QDir::Hidden, QDir::Name);
    }

    QTemporaryDir dir_;
};

class FileCopyFailure : public FileCopyTest, public testing::WithParamInterface<Step> {};

TEST_P(FileCopyFailure, LeavesTheInstalledFileAsItWasAndNoTemporaryBehind) {
    FailingCalls calls(GetParam());
    EXPECT_FALSE(CopyFileOver(Source() + "lib.so", Install() + "lib.so", calls));
    EXPECT_EQ(Read(Install() + "lib.so"), "old installed bytes");
    EXPECT_EQ(InstalledNames(), QStringList{"lib.so"});

    EXPECT_FALSE(CopyFileOver(Source() + "lib.so", Install() + "new.so", calls));
    EXPECT_EQ(InstalledNames(), QStringList{"lib.so"});
}

std::string StepName(const testing::TestParamInfo<Step>& info) {
    static const char* const kNames[] = {"None",  "Create",      "DiskFull",
                                         "Flush", "Permissions", "Rename"};
    return kNames[static_cast<int>(info.param)];
}

INSTANTIATE_TEST_SUITE_P(EachStep, FileCopyFailure,
                         testing::Values(Step::Create, Step::Write, Step::Flush, Step::Permissions,
                                         Step::Rename),
                         StepName);

TEST_F(FileCopyTest, ReplacesTheFileWithTheSourcePermissionsInsteadOfWritingIntoIt) {
    const QString installed = Install() + "lib.so";
    ASSERT_EQ(::link(QFile::encodeName(installed).constData(),
                     QFile::encodeName(Install() + "link.so").constData()),
              0);
    const auto permissions = QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                             QFileDevice::ExeOwner | QFileDevice::ReadGroup;
    ASSERT_TRUE(QFile::setPermissions(Source() + "lib.so", permissions));
    FailingCalls calls(Step::None);
    ASSERT_TRUE(CopyFileOver(Source() + "lib.so", installed, calls));
    EXPECT_EQ(Read(installed), QByteArray(200000, 'n'));
    EXPECT_EQ(Read(Install() + "link.so"), "old installed bytes");
    EXPECT_EQ(QFile::permissions(installed) &
                  ~(QFileDevice::ReadUser | QFileDevice::WriteUser | QFileDevice::ExeUser),
              permissions);
    EXPECT_EQ(InstalledNames(), (QStringList{"lib.so", "link.so"}));
}

} // namespace
} // namespace waybill::launcher
