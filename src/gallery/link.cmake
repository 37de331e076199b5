# resource.h: the identifiers the main window shares with the resource script; its layout table
# (portable) names the controls by them too.
target_include_directories(blk_gallery PUBLIC ${PROJECT_SOURCE_DIR}/resources)
