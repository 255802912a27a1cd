#!/bin/sh
# The guest's /init: brings up Debian's kernel with its USB serial driver and
# udev, then runs the command-line tool against the emulated FTDI adapter and
# prints one PASS, FAIL or SKIP line per check. Lines starting with @@ ask the
# host to pull the cable (@@pull), plug it into a radio (@@plug bench|fleet), or
# pull it for a while (@@pull-for MS RADIO); the guest then watches sysfs for it.
export PATH=/usr/local/bin:/usr/bin:/bin HOME=/root LANG=C.UTF-8
mount -t proc proc /proc
mount -t sysfs sys /sys
mount -t devtmpfs dev /dev
mount -t tmpfs tmp /tmp
mount -t tmpfs run /run
mkdir -p /dev/pts && mount -t devpts devpts /dev/pts
exec </dev/console >/dev/console 2>&1
for module in usb-common usbcore xhci-hcd xhci-pci usbserial ftdi_sio; do
  insmod /modules/$module.ko || echo "guest: $module did not load"
done
/usr/lib/systemd/systemd-udevd --daemon 2>/dev/null
udevadm trigger --action=add
udevadm settle --timeout=20

cli=vigilon-oss-cli
passed=0
failed=0
pass() { echo "PASS $*"; passed=$((passed + 1)); }
fail() { echo "FAIL $*"; failed=$((failed + 1)); }
skip() { echo "SKIP $*"; }
show() { sed 's/^/    /' "$@" | head -8; } # what a failed check saw
now_ms() { awk '{ printf "%d", $1 * 1000 }' /proc/uptime; }
finish() {
  echo "guest: all checks done ($passed passed, $failed failed)"
  sync
  poweroff -f
}

# Waits until PATH exists (present) or not (absent), up to MS milliseconds.
wait_for() {
  path=$1 want=$2 left=$(( $3 / 50 ))
  while [ $left -gt 0 ]; do
    if [ -e "$path" ]; then [ "$want" = present ] && return 0; else [ "$want" = absent ] && return 0; fi
    usleep 50000
    left=$((left - 1))
  done
  return 1
}
# The stable name of the cable, or nothing.
by_id() { ls /dev/serial/by-id/* 2>/dev/null | head -1; }
# The cable's kernel name now; a re-plug may change it.
tty=ttyUSB0
pull() { echo "@@pull"; wait_for "/sys/class/tty/$tty" absent 10000 && wait_for "$byid" absent 5000; }
plug() { # RADIO: plugs the cable into RADIO, waits for its stable link and takes its kernel name
  echo "@@plug $1"
  wait_for "$byid" present 15000 || return 1
  udevadm settle --timeout=10
  tty=$(basename "$(readlink -f "$byid")")
  [ -e "/dev/$tty" ]
}
# Waits until FILE holds TEXT, up to MS milliseconds.
wait_text() {
  left=$(( $3 / 50 ))
  while [ $left -gt 0 ]; do
    grep -q "$2" "$1" 2>/dev/null && return 0
    usleep 50000
    left=$((left - 1))
  done
  return 1
}

# --- the adapter ------------------------------------------------------------------
if ! wait_for /dev/ttyUSB0 present 20000; then
  echo "@@lost: no /dev/ttyUSB0 after boot"
  finish
fi
left=100
while [ -z "$(by_id)" ] && [ $left -gt 0 ]; do usleep 50000; left=$((left - 1)); done
byid=$(by_id)
[ -n "$byid" ] || byid=/dev/serial/by-id/none
driver=$(basename "$(readlink /sys/class/tty/ttyUSB0/device/driver)")
if [ "$driver" = ftdi_sio ] && [ -n "$byid" ]; then
  pass "adapter: /dev/ttyUSB0, driver $driver, stable name $byid"
else
  fail "adapter: driver '$driver', stable name '$byid'"
fi

# --- listings ---------------------------------------------------------------------
$cli ports > /tmp/ports.txt 2>&1
if grep -q "^COM1	/dev/ttyUSB0" /tmp/ports.txt; then pass "ports: COM1 is the cable on /dev/ttyUSB0"
else fail "ports: COM1 missing while the cable is plugged in"; show /tmp/ports.txt; fi
# ttyS1 is a legacy UART slot with nothing fitted (this machine has one UART, the console).
if grep -q "^COM4" /tmp/ports.txt; then fail "ports: COM4 listed, its UART slot is empty"; show /tmp/ports.txt
else pass "ports: COM4 (an empty UART slot) left out"; fi
$cli ports --all > /tmp/all.txt 2>&1
if grep "^/dev/ttyUSB0	" /tmp/all.txt | grep -F "$byid" | grep "COM1" | grep -q "cable"; then
  pass "ports --all: /dev/ttyUSB0 is a cable, with its stable name, standing for COM1"
else fail "ports --all: the cable is not shown as one"; show /tmp/all.txt; fi

# --- the operations on the device; COM1 and the stable name lead to it ----------------
# Every operation on the device itself; through the other names, the information
# (which opens, talks and resets) and a verified write (which also reads back):
# a name resolves alike for every command.
for target in "--device /dev/ttyUSB0" "--port COM1" "--device $byid"; do
  label=${target#--* }
  if $cli $target info > /tmp/out.txt 2>&1 && grep -q "Option Board Type: Vigilon" /tmp/out.txt; then pass "info on $label"
  else fail "info on $label"; show /tmp/out.txt; fi
  if [ "$target" = "--device /dev/ttyUSB0" ]; then
    if $cli $target check > /tmp/out.txt 2>&1; then pass "check on $label"
    else fail "check on $label"; show /tmp/out.txt; fi
    if $cli $target read /tmp/board.vgd > /tmp/out.txt 2>&1 && [ -s /tmp/board.vgd ]; then pass "read on $label"
    else fail "read on $label"; show /tmp/out.txt; fi
  fi
  if $cli $target --yes write --verify /tmp/board.vgd > /tmp/out.txt 2>&1; then pass "write --verify on $label"
  else fail "write --verify on $label"; show /tmp/out.txt; fi
done

# --- a second program on the same cable ---------------------------------------------
$cli --port COM1 --trace /tmp/first.trace read /tmp/first.vgd > /tmp/first.txt 2>&1 &
first=$!
wait_text /tmp/first.trace "port\|>" 5000
if ! $cli --port COM1 info > /tmp/out.txt 2>&1 && grep -q "could not be opened" /tmp/out.txt; then
  pass "a second program is refused while the first holds the cable"
else fail "a second program was not refused"; show /tmp/out.txt; fi
wait $first

# --- pulled while idle, then plugged in again ---------------------------------------
pull
start=$(now_ms)
$cli --port COM1 info > /tmp/out.txt 2>&1
status=$?
took=$(( $(now_ms) - start ))
if [ $status -eq 1 ] && grep -q "There is no such device" /tmp/out.txt && [ $took -lt 2000 ]; then
  pass "pulled while idle: 'There is no such device' in $took ms"
else fail "pulled while idle: status $status after $took ms"; show /tmp/out.txt; fi
$cli ports > /tmp/ports.txt 2>&1
if grep -q "^COM1" /tmp/ports.txt; then fail "ports: COM1 listed with the cable pulled"; show /tmp/ports.txt
else pass "ports: COM1 left out with the cable pulled"; fi
if plug bench && $cli --port COM1 info > /tmp/out.txt 2>&1; then pass "plugged in again: /dev/$tty, info on COM1"
else fail "plugged in again"; show /tmp/out.txt; fi

# --- pulled during an operation --------------------------------------------------------
# OPERATION REQUESTS: pulls the cable once the trace shows that many requests sent.
pull_during() {
  rm -f /tmp/op.trace
  operation=$1 requests=$2
  $cli --port COM1 --yes --trace /tmp/op.trace $operation > /tmp/op.txt 2>&1 &
  op=$!
  left=200
  while [ "$(cat /tmp/op.trace 2>/dev/null | grep -c '^ *[0-9.]* > ')" -lt "$requests" ] && [ $left -gt 0 ]; do
    usleep 20000
    left=$((left - 1))
  done
  pull
  gone=$(now_ms)
  wait $op
  status=$?
  took=$(( $(now_ms) - gone ))
  name=$(echo "$operation" | cut -d' ' -f1)
  if [ $status -eq 1 ] && [ $took -lt 2500 ] && grep -q "^hint: the cable was unplugged during the operation" /tmp/op.txt; then
    pass "pulled during $name: ended $took ms after the device went, with the unplug hint"
  else fail "pulled during $name: status $status, ended $took ms after the device went"; fi
  show /tmp/op.txt
  plug bench || fail "plugged in again after the $name"
}
pull_during "read /tmp/pulled.vgd" 3
pull_during "write --verify /tmp/board.vgd" 5

# --- a quick re-plug while a program still holds the old device ---------------------
# Holds the cable's device, pulls and plugs the cable; true when it came back
# under another name. The holder may open the device a moment after it starts.
replug_while_held() {
  old=$tty
  [ -c /dev/$old ] || return 1 # a redirection would make a file in its place
  stty -F /dev/$old clocal 2>/dev/null
  # The hang-up of the pull must not end the holder.
  (trap '' HUP; exec sleep 600) <> /dev/$old &
  holder=$!
  left=100
  until [ "$(readlink /proc/$holder/fd/0 2>/dev/null)" = /dev/$old ] || [ $left -eq 0 ]; do
    usleep 20000
    left=$((left - 1))
  done
  held=$(readlink /proc/$holder/fd/0 2>/dev/null)
  pull
  plug bench && [ "$tty" != "$old" ] && return 0
  echo "    came back as '$tty' while /dev/$old was held by '$held'" \
       "(holder alive: $(kill -0 $holder 2>/dev/null && echo yes || echo no); ttys: $(ls /sys/class/tty | grep USB | tr '\n' ' '))"
  kill $holder
  wait $holder 2>/dev/null
  return 1
}
if replug_while_held || replug_while_held; then
  $cli ports > /tmp/ports.txt 2>&1
  if $cli --port COM1 info > /tmp/out.txt 2>&1 && grep -q "^COM1	/dev/$tty" /tmp/ports.txt; then
    pass "re-plugged as /dev/$tty while /dev/$old was held: COM1 follows the cable"
  else fail "re-plugged as /dev/$tty: COM1 does not follow the cable"; show /tmp/out.txt; show /tmp/ports.txt; fi
  kill $holder
  wait $holder 2>/dev/null
  pull
  plug bench || fail "plugged in again after the holder ended"
else
  fail "re-plugged while held: the cable came back under its old name twice"
fi

# --- a fleet, the cable pulled for 3 s between two radios ---------------------------
pull
if plug fleet; then
  $cli --port COM1 --yes fleet /tmp/board.vgd --count 2 > /tmp/fleet.txt 2>&1 &
  fleet=$!
  if wait_text /tmp/fleet.txt "Connect the next radio" 30000; then
    echo "@@pull-for 3000 fleet"
    wait_for /sys/class/tty/$tty absent 5000
  fi
  left=60
  while kill -0 $fleet 2>/dev/null && [ $left -gt 0 ]; do sleep 1; left=$((left - 1)); done
  kill $fleet 2>/dev/null
  wait $fleet
  status=$?
  if [ $status -eq 0 ] && grep -q "2 radios programmed, 0 failed" /tmp/fleet.txt; then
    pass "fleet: 2 radios programmed with the cable pulled for 3 s between them"
  else fail "fleet: status $status"; show /tmp/fleet.txt; fi
else fail "fleet: the cable did not come up on the fleet's radio"; fi
wait_for "$byid" present 5000 && tty=$(basename "$(readlink -f "$byid")")
pull
plug bench || fail "back on the bench radio"

# --- the cable finder ---------------------------------------------------------------
settings="$HOME/.config/Ardentec/Vigilon OSS.conf"
for round in 1 2 3; do
  $cli find-cable > /tmp/find.txt 2>&1 &
  finder=$!
  wait_text /tmp/find.txt "Unplug" 10000
  pull
  usleep 500000
  echo "@@plug bench"
  left=100
  while kill -0 $finder 2>/dev/null && [ $left -gt 0 ]; do usleep 100000; left=$((left - 1)); done
  kill $finder 2>/dev/null
  wait $finder
  status=$?
  if [ $status -eq 0 ] && grep -qF "COM1=$byid" "$settings" && grep -qF "$byid" /tmp/find.txt; then
    pass "find-cable (round $round): COM1 kept as $byid"
  else fail "find-cable (round $round): status $status"; show /tmp/find.txt; grep COM1 "$settings"; fi
  wait_for "$byid" present 5000
  tty=$(basename "$(readlink -f "$byid")")
done
if $cli --port COM1 info > /tmp/out.txt 2>&1; then pass "info on COM1 through the stable name find-cable kept"
else fail "info on COM1 after find-cable"; show /tmp/out.txt; fi

# --- the cable rules ----------------------------------------------------------------
if [ -f /etc/udev/rules.d/70-vigilon-oss-cables.rules ]; then
  udevadm info /dev/$tty > /tmp/udev.txt 2>&1
  if grep -q "^E: ID_MM_DEVICE_IGNORE=1" /tmp/udev.txt && grep -q "^E: TAGS=.*:uaccess:" /tmp/udev.txt; then
    pass "cable rules: the FTDI has ID_MM_DEVICE_IGNORE=1 and the uaccess tag"
  else fail "cable rules: not applied to the FTDI"; show /tmp/udev.txt; fi
else
  skip "cable rules: no 70-vigilon-oss-cables.rules in the tree"
fi

finish
