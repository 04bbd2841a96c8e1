// A main window whose peer subsystems record the operations the cue language calls, for
// tests of the editor handlers and the interpreter.
#pragma once

#include "app/Commands.h"
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
#include "ui/WindowParts.h"
#include "ui/WindowVideoOutputs.h"
#include "ui/WindowVisuals.h"

#include <QStringList>
#include <functional>

// Every call is appended to one log, in order, as "name" or "name(argument)".
struct CallLog {
    QStringList calls;
    void add(const QString& call) { calls << call; }
};

struct SpyAudio : AudioPlayer {
    SpyAudio(Form1& f, CallLog& log)
        : AudioPlayer(f.core.audio, *f.Timer1, f, f.core.video, *f.panelPlayer), form_(f),
          log(log) {}
    void cmdPlayA_Click() override {
        log.add(QStringLiteral("cmdPlayA_Click(%1)").arg(form_.cmdPlayA->Tag));
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
    SpyVideo(Form1& f, CallLog& log)
        : VideoPlayer(f.core.video, f.core.state, *f.videoOutputs, *f.Timer4), form_(f), log(log) {}
    void cmdPlayV_Click() override {
        log.add(QStringLiteral("cmdPlayV_Click(%1)").arg(form_.cmdPlayV->Tag));
    }
    void cmdStopV_Click() override { log.add(QStringLiteral("cmdStopV_Click")); }
    void lblContatoreV_Click(double seconds) override {
        log.add(QStringLiteral("lblContatoreV_Click(%1)").arg(DecimalText(seconds)));
    }
    Form1& form_;
    CallLog& log;
};

struct SpyVolume : VolumeFades {
    SpyVolume(Form1& f, CallLog& log)
        : VolumeFades(f.core.masterVolume, f.core.state, *f.videoOutputs, *f.Timer3), log(log) {}
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
// "A" and type 1, video and MIDI "V" and type 2 (pictures leave both).
struct SpyRouting : MediaRouting {
    SpyRouting(Form1& f, CallLog& log)
        : MediaRouting(f.core.state, f.core.audio, f.core.video, *f.videoOutputs, {}), form_(f),
          log(log) {}
    void vai(const QString& file) override {
        log.add(QStringLiteral("vai(%1)").arg(file));
        switch (Classify(file)) {
        case Kind::Audio:
            form_.core.state.SetLastLoaded(ShowState::Loaded::Audio);
            form_.TipoMedia = 1;
            break;
        case Kind::Video:
        case Kind::Midi:
            form_.core.state.SetLastLoaded(ShowState::Loaded::Video);
            form_.TipoMedia = 2;
            break;
        case Kind::Image:
            break;
        }
    }
    Form1& form_;
    CallLog& log;
};

struct SpyProjector : Projector {
    SpyProjector(Form1& f, CallLog& log)
        : Projector(f.core.state, f.core.video, *f.videoOutputs, f, *f.Timer4, *f.projectorPlayer,
                    f.core.projector),
          form_(f), log(log) {}
    void Check1_Click() override {
        log.add(QStringLiteral("Check1_Click(%1)").arg(form_.Check1->Value()));
    }
    Form1& form_;
    CallLog& log;
};

struct SpyEdit : EditCommands {
    SpyEdit(Form1& f, CallLog& log) : EditCommands(MakeEditParts(f)), log(log) {}
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
    SpyShell(Form1& f, CallLog& log) : ShellCommands(MakeShellParts(f)), log(log) {}
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

// A main window with every peer replaced by its spy, the state words set, and a script.
struct SpiedForm {
    SpiedForm() {
        Lingua[7] = QStringLiteral("Play");
        Lingua[8] = QStringLiteral("Pausa");
        Lingua[127] = QStringLiteral("File non trovato");
        form.audio = std::make_unique<SpyAudio>(form, log);
        form.video = std::make_unique<SpyVideo>(form, log);
        form.volume = std::make_unique<SpyVolume>(form, log);
        form.routing = std::make_unique<SpyRouting>(form, log);
        form.projector = std::make_unique<SpyProjector>(form, log);
        auto editSpy = std::make_unique<SpyEdit>(form, log);
        edit = editSpy.get();
        form.edit = std::move(editSpy);
        form.shell = std::make_unique<SpyShell>(form, log);
        auto visualsSpy = std::make_unique<SpyVisuals>(form, log);
        visuals = visualsSpy.get();
        form.visuals = std::move(visualsSpy);
        // The interpreter, the cue lookup and the life cycle act on the subsystems they were
        // built with: built again on the spies. (Show mode and its panic are not: these tests
        // never switch it on.)
        form.interprete = std::make_unique<Interprete>(MakeInterpreteParts(form));
        BuildCueLookup(form);
        form.lifecycle = std::make_unique<Lifecycle>(MakeLifecycleParts(form));
        form.playA->set(false);
        form.playV->set(false);
    }
    RichTextBox& rtb() { return *form.RTB; }

    // Puts the caret at position s and clicks: the editor's click handler runs.
    void clickAt(int s) {
        rtb().setSelStart(s);
        form.cues->RTB_Click();
    }

    Form1 form;
    CallLog log;
    SpyEdit* edit = nullptr;
    SpyVisuals* visuals = nullptr;
};
