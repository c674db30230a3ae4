# The program's sources, listed once for the cross build and the native
# sanitizer build. Paths are relative to the repository's root.

# Logic that calls no system: built natively too, tested directly and fuzzed.
set(QUILLET_PURE_SOURCES
  base/fixed_text.cpp base/placement.cpp
  cliptools/stamp_text.cpp cliptools/text_rules.cpp cliptools/utf8.cpp
  notes/backup_name.cpp notes/note_kind.cpp notes/text_mode.cpp
  links/link_rules.cpp
  web/page_text.cpp
  ui/note_rows.cpp ui/slide_math.cpp
  app/terms_text.cpp)

# The Win32 side, in layer order: base, features, the program's top.
set(QUILLET_WIN32_SOURCES
  base/app_state.cpp base/frame.cpp base/message_drain.cpp base/program_path.cpp
  base/system_dlls.cpp
  cliptools/clipboard.cpp cliptools/code_page.cpp cliptools/stamp.cpp
  notes/note_delete.cpp notes/note_store.cpp
  links/links_dialog.cpp links/shell_locations.cpp links/shortcut.cpp
  web/donate_dialog.cpp web/referral_page.cpp
  ui/note_deletion.cpp ui/note_window.cpp ui/slide.cpp
  app/commands.cpp app/lifecycle.cpp app/main_window.cpp app/terms.cpp app/tray.cpp)

# Unit tests of the pure logic, run under Wine and natively.
set(QUILLET_UNIT_TESTS
  tests/unit/text_rules_test.cpp tests/unit/text_mode_test.cpp tests/unit/note_rows_test.cpp
  tests/unit/slide_math_test.cpp tests/unit/placement_test.cpp tests/unit/backup_name_test.cpp
  tests/unit/stamp_text_test.cpp tests/unit/page_text_test.cpp tests/unit/link_rules_test.cpp
  tests/unit/terms_text_test.cpp tests/unit/unicode_test.cpp tests/unit/fixed_text_test.cpp)
