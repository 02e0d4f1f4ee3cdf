#!/usr/bin/env bash
# Runs one program inside a small virtual machine on the Debian kernel, so
# that it meets the real kernel HID and input stack (/dev/uhid, hidraw,
# usbhid, USB/IP, evdev, /dev/uinput) that a container or a developer's
# machine does not offer.
#
#   tools/kernel-vm.sh [--timeout SECONDS] [--env NAME]... -- PROGRAM [ARGS...]
#
# The guest boots the host's kernel (/boot/vmlinuz-*) in QEMU with software
# emulation and an initramfs made here from busybox-static and the kernel
# modules the test needs. Its init mounts the host's root read-only over 9p,
# puts fresh tmpfs on /tmp and /run, and runs PROGRAM in that root, in the
# current folder, with the named environment variables (and the usual Qt,
# sanitizer and LUMTAR_ ones) as on the host. The guest's console is this
# script's output; its exit code is PROGRAM's.
#
# A program, a current folder or a passed environment value (a path) below
# /tmp or /run stays visible: the host's folder that holds it (the first
# level below /tmp or /run, such as a clone in /tmp/lumtar with its build
# inside) is put back, read-only, over the guest's fresh tmpfs.
#
# Exit code 77 (and a line saying why) when QEMU, the kernel package or
# busybox-static is missing, so that CTest reports the test as skipped.
set -euo pipefail

timeout_s=55
env_names=()
while [ $# -gt 0 ]; do
  case "$1" in
    --timeout) timeout_s=$2; shift 2 ;;
    --env) env_names+=("$2"); shift 2 ;;
    --) shift; break ;;
    *) break ;;
  esac
done
if [ $# -eq 0 ]; then
  echo "usage: $0 [--timeout SECONDS] [--env NAME]... -- PROGRAM [ARGS...]" >&2
  exit 2
fi

skip() {
  echo "SKIPPED: $*; install them with tools/setup-debian.sh" >&2
  exit 77
}

qemu=$(command -v qemu-system-x86_64 || true)
[ -n "$qemu" ] || skip "qemu-system-x86_64 (package qemu-system-x86) is missing"
busybox=/bin/busybox
applets=$("$busybox" --list 2>/dev/null || true)
grep -qx cpio <<<"$applets" || skip "busybox-static is missing"
kernel=""
for k in /boot/vmlinuz-*; do
  [ -r "$k" ] || continue
  v=${k#/boot/vmlinuz-}
  [ -d "/lib/modules/$v/kernel" ] && kernel=$v
done
[ -n "$kernel" ] || skip "no kernel with its modules in /boot and /lib/modules (package linux-image-amd64)"
moddir=/lib/modules/$kernel

work=$(mktemp -d "${TMPDIR:-/tmp}/lumtar-vm.XXXXXX")
trap 'rm -rf "$work"' EXIT
root=$work/root
mkdir -p "$root"/{bin,dev,proc,sys,host,modules}
cp "$busybox" "$root/bin/busybox"

# Modules with everything they depend on, dependencies first. A module built
# into the kernel has no file and needs nothing.
modules=(virtio_pci 9pnet_virtio 9p uhid hid-generic usbhid vhci-hcd evdev uinput)
declare -A loaded=()
order=()
add_module() {
  local name=$1 file dep
  [ -n "${loaded[$name]:-}" ] && return 0
  loaded[$name]=1
  file=$(modinfo -k "$kernel" -n "$name" 2>/dev/null || true)
  case "$file" in /*) ;; *) return 0 ;; esac
  for dep in $(modinfo -k "$kernel" -F depends "$name" | tr ',' ' '); do
    add_module "$dep"
  done
  local base
  base=$(basename "$file")
  case "$base" in
    *.ko.xz) xz -dc "$file" >"$root/modules/${base%.xz}"; base=${base%.xz} ;;
    *.ko.zst) zstd -qdc "$file" >"$root/modules/${base%.zst}"; base=${base%.zst} ;;
    *.ko.gz) gzip -dc "$file" >"$root/modules/${base%.gz}"; base=${base%.gz} ;;
    *) cp "$file" "$root/modules/$base" ;;
  esac
  order+=("$base")
}
for m in "${modules[@]}"; do add_module "$m"; done
printf '%s\n' "${order[@]}" >"$root/modules/order"

# What the program gets: its command line, folder and environment.
quote() { printf "'%s'" "$(printf '%s' "$1" | sed "s/'/'\\\\''/g")"; }
passed_env=("${env_names[@]}" $(compgen -e | grep -E '^(QT_|ASAN_|LSAN_|UBSAN_|LUMTAR_)' || true))
{
  printf 'cd %s\n' "$(quote "$PWD")"
  for name in "${passed_env[@]}"; do
    [ -n "${!name+x}" ] && printf 'export %s=%s\n' "$name" "$(quote "${!name}")"
  done
  printf 'export HOME=/tmp PATH=/usr/local/bin:/usr/bin:/bin:/usr/sbin:/sbin\n'
  printf 'exec'
  for a in "$@"; do printf ' %s' "$(quote "$a")"; done
  printf '\n'
} >"$root/program.sh"

# The host's folders (or files) below /tmp and /run the program needs: one
# line each, relative to the guest's root ("tmp/lumtar"), read by the
# guest's init.
keep_folder() {
  local path=$1 top rest
  case "$path" in /*) ;; *) return 0 ;; esac
  path=$(realpath -m -- "$path")
  case "$path" in
    /tmp/?*|/run/?*) ;;
    *) return 0 ;;
  esac
  top=${path#/}
  rest=${top#*/}
  top=${top%%/*}/${rest%%/*}
  [ -e "/$top" ] || return 0
  case "$top" in *$'\n'*) return 0 ;; esac
  grep -qxF -- "$top" "$root/keep.list" || printf '%s\n' "$top" >>"$root/keep.list"
}
: >"$root/keep.list"
keep_folder "$PWD"
program=$(command -v -- "$1" || true)
[ -n "$program" ] && keep_folder "$program"
for name in "${passed_env[@]}"; do
  [ -n "${!name+x}" ] && keep_folder "${!name}"
done

cat >"$root/init" <<'EOF'
#!/bin/busybox sh
/bin/busybox --install -s /bin
export PATH=/bin
mount -t proc proc /proc
mount -t sysfs sys /sys
mount -t devtmpfs dev /dev
ip link set lo up
while read -r m; do insmod "/modules/$m" || echo "lumtar-vm: insmod $m failed"; done </modules/order
mount -t 9p -o ro,trans=virtio,version=9p2000.L,msize=512000,cache=loose host /host || echo "lumtar-vm: no 9p share"
# The host's folders below /tmp and /run that the program needs come back
# over the fresh tmpfs (bound aside first, while they can still be seen).
n=0
while read -r k; do
  n=$((n + 1))
  if [ -d "/host/$k" ]; then mkdir -p "/keep/$n"; else touch "/keep/$n"; fi
  mount --bind "/host/$k" "/keep/$n"
done </keep.list
for d in tmp run; do mount -t tmpfs -o mode=1777 tmpfs "/host/$d"; done
n=0
while read -r k; do
  n=$((n + 1))
  if [ -d "/keep/$n" ]; then mkdir -p "/host/$k"; else touch "/host/$k"; fi
  mount --bind "/keep/$n" "/host/$k" || echo "lumtar-vm: cannot keep /$k"
done </keep.list
for d in proc sys dev; do mount --bind "/$d" "/host/$d"; done
mount -t tmpfs -o mode=1777 tmpfs /host/dev/shm 2>/dev/null || true
mount -t devpts devpts /host/dev/pts 2>/dev/null || true
cp /program.sh /host/tmp/.lumtar-program.sh
echo "lumtar-vm: booted in $(cut -d' ' -f1 /proc/uptime) s"
chroot /host /bin/sh /tmp/.lumtar-program.sh
echo "lumtar-vm: exit status $?"
sync
poweroff -f
EOF
chmod +x "$root/init"
(cd "$root" && find . | "$busybox" cpio -o -H newc 2>/dev/null | gzip -1) >"$work/initrd.gz"

status_file=$work/console.log
set +e
timeout --kill-after=5 "$timeout_s" "$qemu" -accel tcg -smp 2 -m 1024 -nodefaults -no-reboot \
  -display none -monitor none -serial stdio \
  -kernel "/boot/vmlinuz-$kernel" -initrd "$work/initrd.gz" \
  -append "console=ttyS0 quiet loglevel=3 panic=-1 rdinit=/init" \
  -virtfs local,path=/,mount_tag=host,security_model=none,readonly=on,multidevs=remap \
  </dev/null 2>&1 | tr -d '\r' | tee "$status_file"
rc=${PIPESTATUS[0]}
set -e
if [ "$rc" -eq 124 ] || [ "$rc" -eq 137 ]; then
  echo "lumtar-vm: the virtual machine did not finish within $timeout_s s" >&2
  exit 1
fi
status=$(sed -n 's/^lumtar-vm: exit status \([0-9]*\)$/\1/p' "$status_file" | tail -n 1)
if [ -z "$status" ]; then
  echo "lumtar-vm: the program did not run to its end (QEMU exit code $rc)" >&2
  exit 1
fi
exit "$status"
