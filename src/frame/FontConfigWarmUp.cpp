#include "FontConfigWarmUp.h"

#include <QSet>

#include <fontconfig/fontconfig.h>

#include <memory>
#include <system_error>

namespace {

QSet<QString> readFamilies()
{
    // FcInit is safe on any thread; the toolkit's own call then finds the
    // configuration loaded and returns at once.
    QSet<QString> families;
    if (!FcInit())
        return families;
    const std::unique_ptr<FcPattern, decltype(&FcPatternDestroy)> pattern(FcPatternCreate(),
                                                                          FcPatternDestroy);
    const std::unique_ptr<FcObjectSet, decltype(&FcObjectSetDestroy)> objects(
        FcObjectSetBuild(FC_FAMILY, nullptr), FcObjectSetDestroy);
    if (!pattern || !objects)
        return families;
    const std::unique_ptr<FcFontSet, decltype(&FcFontSetDestroy)> fonts(
        FcFontList(nullptr, pattern.get(), objects.get()), FcFontSetDestroy);
    if (!fonts)
        return families;
    for (int i = 0; i < fonts->nfont; ++i) {
        FcChar8 *name = nullptr;
        // A font may carry its family name in several languages.
        for (int n = 0; FcPatternGetString(fonts->fonts[i], FC_FAMILY, n, &name) == FcResultMatch; ++n)
            families.insert(QString::fromUtf8(reinterpret_cast<const char *>(name)).toCaseFolded());
    }
    return families;
}

const QSet<QString> &installedFamilies()
{
    static const QSet<QString> families = readFamilies();
    return families;
}

} // namespace

FontConfigWarmUp::FontConfigWarmUp()
{
    try {
        m_thread = std::thread([] { installedFamilies(); });
    } catch (const std::system_error &) {
        // No thread to spare: the first font asked for reads them instead.
    }
}

FontConfigWarmUp::~FontConfigWarmUp()
{
    wait();
}

void FontConfigWarmUp::wait()
{
    if (m_thread.joinable())
        m_thread.join();
}

bool FontConfigWarmUp::hasFamily(const QString &family)
{
    return installedFamilies().contains(family.toCaseFolded());
}
