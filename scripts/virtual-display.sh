# Sourced by scripts that need a display: start_virtual_display starts Xvfb
# on the first free display number (Xvfb writes it to the file once ready),
# exports DISPLAY and leaves the server's process id in xvfb_pid. The caller
# kills it when done.
start_virtual_display() {
  local display_file
  display_file=$(mktemp)
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$display_file" </dev/null >/dev/null 2>&1 &
  xvfb_pid=$!
  for _ in $(seq 100); do
    [ -s "$display_file" ] && break
    sleep 0.1
  done
  export DISPLAY=:$(cat "$display_file")
  rm -f "$display_file"
}

# Wine's desktop window lives in a process of its own that stays while
# programs use the desktop. Started by a test it would inherit that test's
# output pipe and keep the runner waiting; started here it has none.
start_wine_desktop() {
  "$1/wine-run.sh" explorer.exe /desktop=Default,1024x768 </dev/null >/dev/null 2>&1 &
}
