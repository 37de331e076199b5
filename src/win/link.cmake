target_link_libraries(blk_win PUBLIC comctl32 comdlg32 gdiplus shlwapi gdi32 user32)
# resource.h: the identifiers shared with the resource script.
target_include_directories(blk_win PUBLIC ${PROJECT_SOURCE_DIR}/resources)
