#pragma once

#include <QString>

class QWidget;

/// The skin engine of the main window. A skin file is a Qt style sheet; loading checks that it can be read and
/// parsed, and applying sets it on one window.
///
/// The options keep the call sequence of the window's start-up:
/// - ApplyOptions flag ApplyStyleSheet (1): ApplyWindow sets the skin as the window's style sheet; without it,
///   ApplyWindow only checks that a skin is loaded and leaves the window's look alone.
/// - Option A: ApplyWindow gives the window the dynamic property "skinned" = true before the style sheet, so a skin
///   can address the skinned window as `[skinned="true"]`.
/// - Option B: kept for the call sequence; it has no effect on a style sheet.
///
/// The methods are virtual so that tests can record the calls.
class SkinFramework {
public:
    static constexpr int ApplyStyleSheet = 1;

    SkinFramework() = default;
    virtual ~SkinFramework() = default;
    Q_DISABLE_COPY_MOVE(SkinFramework)

    /// Reads the style sheet at path. iniFileName would name a variant inside the skin; a style sheet has none,
    /// so it is not used. Throws std::runtime_error when the file cannot be read or is not a valid style sheet;
    /// the skin loaded before stays. Needs a QApplication.
    virtual void LoadSkin(const QString &path, const QString &iniFileName);

    virtual int ApplyOptions() const { return m_applyOptions; }
    virtual void setApplyOptions(int flags) { m_applyOptions = flags; }

    virtual bool OptionA() const { return m_optionA; }
    virtual void setOptionA(bool on) { m_optionA = on; }

    virtual bool OptionB() const { return m_optionB; }
    virtual void setOptionB(bool on) { m_optionB = on; }

    /// Skins window as the options say. Throws std::runtime_error when no skin is loaded, std::invalid_argument
    /// for a null window.
    virtual void ApplyWindow(QWidget *window);

    bool isLoaded() const { return m_loaded; }
    /// The style sheet of the loaded skin.
    QString styleSheet() const { return m_styleSheet; }

    /// Why text is not a usable style sheet, or an empty text when it is. Needs a QApplication.
    static QString styleSheetProblem(const QString &text);

private:
    QString m_styleSheet;
    bool m_loaded = false;
    int m_applyOptions = 0;
    bool m_optionA = false;
    bool m_optionB = false;
};
