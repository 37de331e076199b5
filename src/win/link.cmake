target_link_libraries(blk_win PUBLIC comctl32 comdlg32 gdiplus shlwapi gdi32 user32)
