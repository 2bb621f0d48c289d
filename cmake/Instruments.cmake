# The MIDI synthesizer reads its instruments from freepats/ beside the running
# program. deck_lay_out_instruments(target) puts them beside target's
# executable after each link: the generated configuration and links to the
# installed freepats patches.
find_package(Python3 REQUIRED COMPONENTS Interpreter)

function(deck_lay_out_instruments target)
  add_custom_command(TARGET ${target} POST_BUILD
    COMMAND ${Python3_EXECUTABLE} ${PROJECT_SOURCE_DIR}/tools/instruments/lay_out_freepats.py
            --link $<TARGET_FILE_DIR:${target}>/freepats
    VERBATIM)
endfunction()
