# The demo's pen tour on Win32: rknav_demo plays it headless under Wine, and tour_compare sets each
# shot against wincore's picture of the same step (the golden pictures the Linux suite holds the
# tour to), saving both and a difference picture under build/windows/tour/ with report.txt of the
# share of differing pixels per shot. A shot fails above its share of known differences:
#  - Every shot, up to 3 %: the texts. Wine's FreeType renders the demo's faces with other hinting
#    and antialiasing than wincore's, so the pixels of every glyph's edges differ.
#  - popup, up to 5.5 %: the menus' "System" face has no CJK glyphs under Wine; the pop-up, sized to
#    its texts, is narrower and, clamped to the map's right edge, starts further right.
#  - flick, up to 7.5 %: the flick may end in no glide. Under Wine a step of the pen takes 30-50 ms
#    (the X server's echo, painting, the film's capture of each frame), so the lift may come later
#    than the 50 ms after the last move that make it a flick; the rows then stay where the drag
#    left them, three rows short. The tour's later shots agree again.
set(tour_limits "overview=3 flick=7.5 selected=3 checked=3 combo=3 sliding=3 popup=5.5 panel=3 final=3")
add_executable(tour_compare ${CMAKE_CURRENT_SOURCE_DIR}/tour_win32/tour_compare.cpp)
target_link_libraries(tour_compare PRIVATE test_support)
set(tour ${CMAKE_BINARY_DIR}/tour)
add_test(NAME demo_tour
    COMMAND sh -c "rm -rf \"$3\" && mkdir -p \"$3/win32\" && \"$0\" \"$1\" --headless --out \"$3/win32\" >/dev/null && \"$0\" \"$2\" \"$4\" \"$3/win32\" \"$3\" $5"
            ${RKNAV_WINE} $<TARGET_FILE:rknav_demo> $<TARGET_FILE:tour_compare> ${tour} ${CMAKE_CURRENT_SOURCE_DIR}/golden
            "${tour_limits}")
set_tests_properties(demo_tour PROPERTIES TIMEOUT 300 FIXTURES_REQUIRED imaging)
