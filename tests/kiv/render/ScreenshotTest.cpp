#include "RenderTestSupport.h"

#include "DataFolder.h"
#include "FileSizeLimit.h"
#include "NumberedFile.h"
#include "RefusedSystemCalls.h"
#include "Renderable.h"
#include "ReplaceFile.h"
#include "Texture.h"

#include <GL/gl.h>

namespace {

using namespace rendertest;

TEST(Screenshot, JpegIsWrittenTopRowFirst)
{
    const std::string image = tempPath("halves.tga");
    writeTGA(image, 64, 64, quadrants(64, 64, RED, RED, BLUE, BLUE));
    Texture texture(image, 0);
    Screen screen;
    screen.draw(texture.skins[0], V3(10.0f, 7.5f, 1.0f));
    const std::string path = tempPath("shot.jpg");
    UString error;
    ASSERT_TRUE(pKiv->pGraphics->saveScreenshot(path, error)) << error;
    MemoryImageFile shot(path, false);
    EXPECT_EQ(640, shot.width);
    EXPECT_EQ(480, shot.height);
    EXPECT_FALSE(shot.hasAlpha);
    // The JPEG's colour rounding, within 12, in every pixel but those next
    // to where the halves meet.
    EXPECT_TRUE(testsupport::pixelsShow(shot, 0, 0, 640, 480, [](int, int y) -> std::optional<UColor> {
        if (y >= 232 && y < 248)
            return std::nullopt;
        return y < 240 ? RED : BLUE;
    }, 12));
}

// The screenshot key's shot, when the file cannot be written whole or the
// screen cannot be read: no file is left at its name and the log says why,
// never that it was saved. An error an earlier call left is not the shot's:
// it is saved.
struct Obstacle {
    const char* what;
    // Takes the shot (a frame) with the obstacle in its way.
    std::function<void(const std::function<void()>& shoot)> around;
    // Null when the shot is saved.
    const char* reason;
};

const Obstacle OBSTACLES[] = {
    {"a file-size limit",
     [](const std::function<void()>& shoot) {
         // Room for the log's next lines, not for the shot.
         const FileSizeLimit limit(std::filesystem::file_size(Kiv::getLogPath()) + 4096);
         shoot();
     },
     "writing failed (File too large)"},
    // A frame buffer with nothing to read from makes the read fail.
    {"a screen that cannot be read",
     [](const std::function<void()>& shoot) {
         GLint previous = GL_BACK;
         glGetIntegerv(GL_READ_BUFFER, &previous);
         glReadBuffer(GL_NONE);
         shoot();
         glReadBuffer(static_cast<GLenum>(previous));
     },
     "the screen could not be read (GL_INVALID_OPERATION)"},
    {"an error an earlier call left",
     [](const std::function<void()>& shoot) {
         // No capability has that number.
         glEnable(GL_INVALID_ENUM);
         shoot();
     },
     nullptr},
};

TEST(Screenshot, OneThatCannotBeWrittenLeavesNoFileAndSaysWhyAndAnEarlierErrorIsNotItsOwn)
{
    // Noise over the whole screen: a JPEG far larger than the limit above.
    const std::string image = tempPath("noise.tga");
    writeTGA(image, 512, 512, testsupport::paint(512, 512, [](int x, int y) {
        const unsigned mixed = (static_cast<unsigned>(x) * 73856093u ^ static_cast<unsigned>(y) * 19349663u) * 2654435761u;
        return UColor(mixed >> 24, mixed >> 16, mixed >> 8, 255);
    }));
    Texture texture(image, 0);
    Context screen;
    Renderable* noise = new Renderable();
    noise->pSkin = texture.skins[0];
    noise->scale = V3(1.25f, 1.25f, 1.0f);
    noise->updateVisuals();
    screen.add(noise);

    const std::string shot = getDataFolder() + "/Glimmerdaledemo-0001.jpg";
    for (const Obstacle& obstacle : OBSTACLES) {
        SCOPED_TRACE(obstacle.what);
        ASSERT_FALSE(std::filesystem::exists(shot));
        const size_t logStart = std::filesystem::file_size(Kiv::getLogPath());
        obstacle.around([&] {
            pKiv->requestScreenshot();
            pKiv->frame(&screen);
        });
        const std::string log = readWholeFile(Kiv::getLogPath()).substr(logStart);
        if (!obstacle.reason) {
            EXPECT_TRUE(std::filesystem::is_regular_file(shot));
            EXPECT_NE(log.find("Screenshot saved as '" + shot + "'."), std::string::npos) << log;
            std::filesystem::remove(shot);
            continue;
        }
        EXPECT_FALSE(std::filesystem::exists(shot));
        EXPECT_NE(log.find("Screenshot '" + shot + "' could not be written: " + obstacle.reason + "."), std::string::npos)
            << log;
        EXPECT_EQ(log.find("Screenshot saved as"), std::string::npos) << log;
    }
}

// Where neither a rename that refuses a taken name nor a hard link is
// offered (a sandbox refusing the one, a file system lacking the other), a
// shot still takes the first free number, and nothing at a taken name is
// replaced: an earlier shot, or a link that leads nowhere.
TEST(ScreenshotDeathTest, TakesTheFirstFreeNumberWhereNoKeepingRenameNorLinkIsOffered)
{
    ::testing::FLAGS_gtest_death_test_style = "threadsafe";
    const std::string folder = getDataFolder(), earlier = folder + "/Glimmerdaledemo-0001.jpg",
                      next = folder + "/Glimmerdaledemo-0002.jpg", dangling = folder + "/dangling";
    EXPECT_EXIT(
        {
            writeWholeFile(earlier, "an earlier shot");
            std::filesystem::create_symlink(folder + "/nowhere", dangling);
            if (!testsupport::refuseSystemCalls({{SYS_renameat2, ENOSYS},
#ifdef SYS_link
                                                 {SYS_link, EPERM},
#endif
                                                 {SYS_linkat, EPERM}}))
                _exit(2);
            Context screen;
            pKiv->requestScreenshot();
            pKiv->frame(&screen);
            std::string problems;
            if (!std::filesystem::exists(next) || MemoryImageFile(next, false).width != 640)
                problems += "no shot of the screen under the next number; ";
            for (const std::string& taken : {earlier, dangling}) {
                UString temporary;
                close(createTemporaryFile(taken, temporary));
                if (renameWithoutReplacing(temporary, taken) || errno != EEXIST ||
                    !std::filesystem::exists(temporary.c_str()))
                    problems += taken + " was not refused; ";
            }
            if (readWholeFile(earlier) != "an earlier shot" || !std::filesystem::is_symlink(dangling))
                problems += "a taken name was replaced";
            std::fprintf(stderr, "%s", problems.c_str());
            _exit(problems.empty() ? 0 : 1);
        },
        ::testing::ExitedWithCode(0), "");
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        if (entry.path().filename().string().rfind("Glimmerdaledemo-", 0) == 0 || entry.path() == dangling)
            std::filesystem::remove(entry.path());
}

} // namespace
