// A main window on an engine whose subsystems record the operations the cue language calls,
// for tests of the editor handlers and the interpreter.
#pragma once

#include "app/Commands.h"
#include "app/ShowEngine.h"
#include "app/ShowView.h"
#include "core/Notices.h"
#include "display/Projector.h"
#include "i18n/Lingua.h"
#include "media/AudioPlayer.h"
#include "media/MediaRouting.h"
#include "media/VideoPlayer.h"
#include "media/VolumeFades.h"
#include "platform/VbColor.h"
#include "platform/widgets/RichTextBox.h"
#include "script/EditCommands.h"
#include "script/Interprete.h"
#include "ui/Form1.h"
#include "ui/WindowVideoOutputs.h"
#include "ui/WindowVisuals.h"

#include <QStringList>
#include <functional>

// Every call is appended to one log, in order, as "name" or "name(argument)".
struct CallLog {
    QStringList calls;
    void add(const QString& call) { calls << call; }
};

// The spies read the window they were built for when called, never while it is built.
struct SpyAudio : AudioPlayer {
    SpyAudio(ShowEngine& e, ShowView& v, Form1& f, CallLog& log)
        : AudioPlayer(e.core.audio, *e.Timer1, v.NoticeLine(), e.core.video, *e.panelPlayer),
          form_(f), log(log) {}
    void cmdPlayA_Click() override {
        log.add(
            QStringLiteral("cmdPlayA_Click(%1)").arg(Lingua[form_.core.audio.Playing() ? 8 : 7]));
    }
    void cmdStopA_Click() override { log.add(QStringLiteral("cmdStopA_Click")); }
    void lblContatore_Click(const QString& ms) override {
        log.add(QStringLiteral("lblContatore_Click(%1)").arg(ms));
    }
    void Timer1_Timer() override { log.add(QStringLiteral("Timer1_Timer")); }
    Form1& form_;
    CallLog& log;
};

struct SpyVideo : VideoPlayer {
    SpyVideo(ShowEngine& e, ShowView& v, Form1& f, CallLog& log)
        : VideoPlayer(e.core.video, e.core.state, v.Outputs(), *e.Timer4), form_(f), log(log) {}
    void cmdPlayV_Click() override {
        log.add(
            QStringLiteral("cmdPlayV_Click(%1)").arg(Lingua[form_.core.video.Playing() ? 8 : 7]));
    }
    void cmdStopV_Click() override { log.add(QStringLiteral("cmdStopV_Click")); }
    void lblContatoreV_Click(double seconds) override {
        log.add(QStringLiteral("lblContatoreV_Click(%1)").arg(DecimalText(seconds)));
    }
    Form1& form_;
    CallLog& log;
};

struct SpyVolume : VolumeFades {
    SpyVolume(ShowEngine& e, ShowView& v, CallLog& log)
        : VolumeFades(e.core.masterVolume, e.core.state, v.Outputs(), *e.Timer3), log(log) {}
    void Image4_Click() override { log.add(QStringLiteral("Image4_Click")); }
    void Image5_Click() override { log.add(QStringLiteral("Image5_Click")); }
    void Image6_Click() override { log.add(QStringLiteral("Image6_Click")); }
    void Image7_Click() override { log.add(QStringLiteral("Image7_Click")); }
    void Image8_Click() override { log.add(QStringLiteral("Image8_Click")); }
    void Image9_Click() override { log.add(QStringLiteral("Image9_Click")); }
    void ImpostaVolume() override {
        log.add(QStringLiteral("ImpostaVolume(%1)").arg(master_.ChosenLevel()));
    }
    CallLog& log;
};

// Routing that pretends to load: the real routing's kind of the file decides, audio setting
// the last loaded audio and type 1, video and MIDI video and type 2 (pictures leave both).
struct SpyRouting : MediaRouting {
    SpyRouting(ShowEngine& e, ShowView& v, CallLog& log)
        : MediaRouting(e.core.state, e.core.audio, e.core.video, v.Outputs(), {}),
          state_(e.core.state), log(log) {}
    void vai(const QString& file) override {
        log.add(QStringLiteral("vai(%1)").arg(file));
        switch (Classify(file)) {
        case Kind::Audio:
            state_.SetLastLoaded(ShowState::Loaded::Audio);
            state_.TipoMedia = 1;
            break;
        case Kind::Video:
        case Kind::Midi:
            state_.SetLastLoaded(ShowState::Loaded::Video);
            state_.TipoMedia = 2;
            break;
        case Kind::Image:
            break;
        }
    }
    ShowState& state_;
    CallLog& log;
};

struct SpyProjector : Projector {
    SpyProjector(ShowEngine& e, ShowView& v, Form1& f, CallLog& log)
        : Projector(e.core.state, e.core.video, v.Outputs(), v.NoticeLine(), *e.Timer4,
                    *e.projectorPlayer, e.core.projector),
          form_(f), log(log) {}
    void Check1_Click() override {
        log.add(QStringLiteral("Check1_Click(%1)").arg(form_.Check1->Value()));
    }
    Form1& form_;
    CallLog& log;
};

struct SpyEdit : EditCommands {
    SpyEdit(ShowEngine& e, ShowView& v, CallLog& log)
        : EditCommands(MakeEditParts(e, v)), log(log) {}
    void AggiornaFormato() override { ++formatRefreshes; }
    void mnuCopia_Click() override { log.add(QStringLiteral("mnuCopia_Click")); }
    void mnuIncolla_Click() override { log.add(QStringLiteral("mnuIncolla_Click")); }
    void mnuTaglia_Click() override { log.add(QStringLiteral("mnuTaglia_Click")); }
    void mnuAnnulla_Click() override { log.add(QStringLiteral("mnuAnnulla_Click")); }
    void mnuRipeti_Click() override { log.add(QStringLiteral("mnuRipeti_Click")); }
    CallLog& log;
    int formatRefreshes = 0;
};

struct SpyShell : ShellCommands {
    SpyShell(ShowEngine& e, ShowView& v, CallLog& log)
        : ShellCommands(MakeShellParts(e, v)), log(log) {}
    void Label2_Click(int index) override {
        log.add(QStringLiteral("Label2_Click(%1)").arg(index));
    }
    void mnuGuida_Click() override { log.add(QStringLiteral("mnuGuida_Click")); }
    void mnuImpostaAudio_Click() override { log.add(QStringLiteral("mnuImpostaAudio_Click")); }
    CallLog& log;
};

struct SpyVisuals : WindowVisuals {
    SpyVisuals(Form1& f, CallLog& log) : WindowVisuals(f), log(log) {}
    void SpegniEvidenza() override { ++highlightResets; }
    void cmdPlayA_MouseMove(int, int, double, double) override {
        log.add(QStringLiteral("cmdPlayA_MouseMove"));
    }
    CallLog& log;
    int highlightResets = 0;
};

// Builds the spies in place of the players, the fades, the routing, the projector switch and
// the edit and shell commands; the interpreter, the cue lookup and the life cycle are built on
// them by the engine.
struct SpyFactory : SubsystemFactory {
    SpyFactory(CallLog& log, Form1& form) : log(log), form(form) {}
    std::unique_ptr<AudioPlayer> Audio(ShowEngine& e, ShowView& v) const override {
        return std::make_unique<SpyAudio>(e, v, form, log);
    }
    std::unique_ptr<VideoPlayer> Video(ShowEngine& e, ShowView& v) const override {
        return std::make_unique<SpyVideo>(e, v, form, log);
    }
    std::unique_ptr<VolumeFades> Volume(ShowEngine& e, ShowView& v) const override {
        return std::make_unique<SpyVolume>(e, v, log);
    }
    std::unique_ptr<MediaRouting> Routing(ShowEngine& e, ShowView& v) const override {
        return std::make_unique<SpyRouting>(e, v, log);
    }
    std::unique_ptr<Projector> ProjectorSwitch(ShowEngine& e, ShowView& v) const override {
        return std::make_unique<SpyProjector>(e, v, form, log);
    }
    std::unique_ptr<EditCommands> Edit(ShowEngine& e, ShowView& v) const override {
        return std::make_unique<SpyEdit>(e, v, log);
    }
    std::unique_ptr<ShellCommands> Shell(ShowEngine& e, ShowView& v) const override {
        return std::make_unique<SpyShell>(e, v, log);
    }
    CallLog& log;
    Form1& form;
};

// A main window on spied subsystems, the state words set, and a script.
struct SpiedForm {
    SpiedForm() {
        Lingua[7] = QStringLiteral("Play");
        Lingua[8] = QStringLiteral("Pausa");
        Lingua[127] = QStringLiteral("File non trovato");
        edit = static_cast<SpyEdit*>(form.edit);
        // The window's own hover pictures and highlight are a part of the view, not of the
        // engine: replaced in the window.
        auto visualsSpy = std::make_unique<SpyVisuals>(form, log);
        visuals = visualsSpy.get();
        form.visuals = std::move(visualsSpy);
        form.playA->set(false);
        form.playV->set(false);
    }
    RichTextBox& rtb() { return *form.RTB; }

    // Puts the caret at position s and clicks: the editor's click handler runs.
    void clickAt(int s) {
        rtb().setSelStart(s);
        form.cues->RTB_Click();
    }

    CallLog log;
    SpyFactory factory{log, form}; // reads the window only when a spy is called
    Form1 form{factory};
    SpyEdit* edit = nullptr;
    SpyVisuals* visuals = nullptr;
};
