#pragma once

#include "model/project.h"
#include "render/pagerenderer.h"
#include "samplepage.h"

#include <QImage>
#include <QString>
#include <gtest/gtest.h>

namespace brevix::testing {

// A project with one empty 320 x 240 page and helpers to place and draw one element.
class RenderTest : public ::testing::Test
{
protected:
    // One project for the whole program: allocating its 47 MB per test would dominate the run.
    static Project &sharedProject()
    {
        static Project *shared = [] {
            auto *p = new Project;
            p->resetToNew();
            return p;
        }();
        return *shared;
    }

    RenderTest() : project(sharedProject())
    {
        PageRecord &page = project.record(1);
        project.ClearPageStructure(1);
        project.createPage(1, "Window1");
        project.settings().ByteA[0] = 0;
        page.PageStrings[CustomSizeMark].setBytes("Y");
        page.PageStrings[CustomWidthText].setBytes("320");
        page.PageStrings[CustomHeightText].setBytes("240");
    }

    PageRecord &page() { return project.record(1); }
    // Places kind with its placement defaults in slot 0 and returns the record to adjust.
    PageRecord &place(int kind, int width, int height, int slot = 0)
    {
        placeElement(project, 1, slot, kind, 20, 20, width, height);
        return page();
    }
    QImage render(const RenderOptions &options = {}, int slot = 0)
    {
        return renderElement(project, 1, slot, options);
    }

    Project &project;
};

inline QImage expectedPicture(const QString &name)
{
    return QImage(QStringLiteral(TEST_DATA_DIR "/render/") + name)
        .convertToFormat(QImage::Format_ARGB32);
}

// Pixels as 0xAARRGGBB, with every fully transparent pixel as 0.
inline QRgb pixelAt(const QImage &image, int x, int y)
{
    const QRgb p = image.pixel(x, y);
    return qAlpha(p) == 0 ? 0 : p;
}

// Compares two pictures pixel by pixel and names the first difference.
inline ::testing::AssertionResult samePixels(const QImage &actual, const QImage &expected)
{
    if (expected.isNull())
        return ::testing::AssertionFailure() << "expected picture missing";
    if (actual.size() != expected.size())
        return ::testing::AssertionFailure()
               << "size " << actual.width() << "x" << actual.height() << ", expected "
               << expected.width() << "x" << expected.height();
    for (int y = 0; y < actual.height(); ++y)
        for (int x = 0; x < actual.width(); ++x)
            if (pixelAt(actual, x, y) != pixelAt(expected, x, y))
                return ::testing::AssertionFailure()
                       << "pixel (" << x << "," << y << ") is " << std::hex << pixelAt(actual, x, y)
                       << ", expected " << pixelAt(expected, x, y);
    return ::testing::AssertionSuccess();
}

} // namespace brevix::testing
