# The Debian package (scripts/package.sh): cpack -G DEB in a Release build.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME scenolux)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "the Scenolux developers")
set(CPACK_PACKAGE_CONTACT "Scenolux developers <maintainers@users.noreply.c-seed-b47f2c94.example>")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION sound)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "runs the sound, video and pictures of a theatre show")
# The long description under the summary; CPack indents it and marks the blank line.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
  "Scenolux runs a show from a script written in its own rich-text editor.
Every text written between [[ and ]] is a cue: a click in it, or GO in
show mode, plays an audio file, a video, a MIDI file or a picture, fades
the sound, seeks, or sends video and pictures full screen to a projector
on a second monitor.

Scripts are rich-text files that word processors open and save back. A
show check finds missing and unplayable media before the curtain, and a
pack copies a show with all its media to another machine.")
# The libraries the program links, worked out by dpkg-shlibdeps; then what it loads by name:
# GStreamer's decoders and sound output for the formats cues play, the MIDI sound font, Qt's
# X11 platform plug-in and the translations of Qt's own dialogs.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
  "gstreamer1.0-plugins-base, gstreamer1.0-plugins-good, gstreamer1.0-plugins-bad, gstreamer1.0-plugins-ugly, gstreamer1.0-libav, gstreamer1.0-pulseaudio, fluid-soundfont-gm, qt6-qpa-plugins, libasound2-plugins, fonts-liberation")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n, pulseaudio | pipewire-pulse")
include(CPack)
