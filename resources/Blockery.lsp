;;; Blockery.lsp: the command BLOCKERY (and its short form MX) opens the Blockery gallery beside
;;; the drawing; a block double-clicked there comes into the current drawing.
;;;
;;; Load it once with APPLOAD, or put it in APPLOAD's Startup Suite so that every drawing has it.
;;; The gallery is started from the folder the installer put it in, as recorded under
;;; HKEY_LOCAL_MACHINE\Software\Blockery (InstallDir); a folder unpacked from the zip has no such
;;; record, and is found when it is on the CAD program's support file search path. Typed again
;;; while the gallery it started still runs, the command brings that gallery forward instead of
;;; opening a second one.

(vl-load-com)

;; Blockery.exe in the installed folder, else beside this file; nil when neither is there.
(defun blockery:program (/ folder file)
  (setq folder (vl-registry-read "HKEY_LOCAL_MACHINE\\Software\\Blockery" "InstallDir"))
  (cond
    ((and folder (/= folder ""))
     (setq file (strcat (vl-string-right-trim "\\" folder) "\\Blockery.exe")))
    ((setq file (findfile "Blockery.lsp"))
     (setq file (strcat (vl-filename-directory file) "\\Blockery.exe"))))
  (if (and file (findfile file)) file))

;; The gallery this command started, while it runs. It is kept on the blackboard, which every
;; open drawing shares, so a second drawing finds the gallery the first one opened.
(defun blockery:running (/ run status)
  (setq run (vl-bb-ref '*blockery-gallery*))
  (if (and run
           (not (vl-catch-all-error-p
                  (setq status (vl-catch-all-apply 'vlax-get-property (list run 'Status)))))
           (= status 0))
    run))

(defun c:BLOCKERY (/ shell run program)
  (setq shell (vlax-create-object "WScript.Shell"))
  (cond
    ((null shell)
     (princ "\nBlockery: Windows Script Host is switched off on this computer."))
    ((setq run (blockery:running))
     (vlax-invoke-method shell 'AppActivate (vlax-get-property run 'ProcessID)))
    ((setq program (blockery:program))
     (vl-bb-set '*blockery-gallery* (vlax-invoke-method shell 'Exec (strcat "\"" program "\""))))
    (t (princ "\nBlockery: Blockery.exe was not found; install Blockery again.")))
  (if shell (vlax-release-object shell))
  (princ))

(defun c:MX () (c:BLOCKERY))

(princ "\nBlockery: type BLOCKERY or MX to open the block gallery.")
(princ)
