#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# One class folder for a class, as a school shares it: two teachers and two pupils' logins of one
# group (umask 002 for all but the second teacher, who keeps 022), a set-group-ID folder, each
# program on a computer of its own (a host name of its own, `unshare -u`).
#   - a teacher imports a worksheet, and a second teacher saves another into the same folder;
#   - a pupil on another login and computer exports the first teacher's worksheet;
#   - twenty pupils at once, from twenty host names, play the Electricity quiz and the worksheet
#     (the real screens offscreen, tests/e2e/classplayer.cpp);
#   - a writer killed in the middle of a record loses that record alone: that login's next
#     result is kept;
#   - the teacher's `quorvel results --csv -` lists every result, and every file the programs made
#     is writable by the group.
# With "sshfs" the class folder is on a file server reached through a real SSH server on
# 127.0.0.1 and mounted with sshfs, both started and stopped here; without FUSE that part is
# skipped (exit status 77).
#
#   class_folder.sh QUORVEL CLASSPLAYER local|sshfs
set -euo pipefail
fail() { echo "FAIL: $*" >&2; exit 1; }
skip() { echo "SKIP: $*"; exit 77; }
exe=$1 player=$2 mode=${3:-local}
[ "$(id -u)" -eq 0 ] || skip "making logins and host names needs root"
for tool in useradd runuser unshare; do command -v $tool > /dev/null || fail "$tool is missing"; done

tag=$$
group=qvc$tag
base=$(mktemp -d /tmp/quorvel-class.XXXXXX)
chmod 755 "$base"
logins=()
sshd_pid=""
mounted=""
cleanup() {
  set +e
  [ -n "$mounted" ] && { fusermount3 -u "$mounted" 2> /dev/null || umount -l "$mounted"; }
  [ -n "$sshd_pid" ] && kill "$sshd_pid" 2> /dev/null
  for login in "${logins[@]}"; do userdel "$login" 2> /dev/null; done
  groupdel "$group" 2> /dev/null
  rm -rf "$base"
}
trap cleanup EXIT

groupadd "$group"
login() { # NAME: a login of the class's group, with a home of its own
  local name=$1$tag
  useradd -M -N -g "$group" -d "$base/home/$name" -s /bin/sh "$name"
  logins+=("$name")
  mkdir -p "$base/home/$name"
  chown "$name:$group" "$base/home/$name"
  echo "$name"
}
teacher1=$(login qvt1) teacher2=$(login qvt2) pupil1=$(login qvp1) pupil2=$(login qvp2)

# The program and its content where every login may read them.
cp -a "$(dirname "$exe")" "$base/run"
cp "$player" "$base/run/classplayer"
chmod -R a+rX "$base/run"
exe=$base/run/$(basename "$exe")

# as LOGIN HOST UMASK COMMAND...: the command as that login, on a computer of that name.
as() {
  local who=$1 host=$2 mask=$3
  shift 3
  unshare -u sh -c 'hostname "$1"; shift; exec "$@"' sh "$host" \
    runuser -u "$who" -- env -i PATH=/usr/bin:/bin HOME="$base/home/$who" LANG=C.UTF-8 \
    QUORVEL_CLASS_FOLDER="$class" QT_QPA_PLATFORM=offscreen \
    sh -c 'umask "$1"; shift; exec "$@"' sh "$mask" "$@"
}

if [ "$mode" = sshfs ]; then
  command -v sshfs > /dev/null && [ -x /usr/sbin/sshd ] || fail "sshfs or openssh-server is missing (scripts/setup)"
  [ -c /dev/fuse ] || skip "no /dev/fuse"
  # The file server: an account that owns the class's files, reached as every computer would.
  server=$(login qvfs)
  usermod -p '*' "$server"                     # no password, but not locked: keys only
  served=$base/server/year4
  mkdir -p "$served"
  chown -R "$server:$group" "$base/server"
  chmod 2775 "$served"
  keys=$base/keys
  mkdir -m 755 "$keys"
  ssh-keygen -q -t ed25519 -N '' -f "$keys/host"
  ssh-keygen -q -t ed25519 -N '' -f "$keys/client"
  cp "$keys/client.pub" "$keys/authorized"
  chown "$server" "$keys/authorized"
  port=$((20000 + tag % 20000))
  cat > "$keys/sshd_config" << EOF
ListenAddress 127.0.0.1:$port
HostKey $keys/host
AuthorizedKeysFile $keys/authorized
PidFile $keys/sshd.pid
StrictModes no
UsePAM no
PasswordAuthentication no
KbdInteractiveAuthentication no
AllowUsers $server
Subsystem sftp internal-sftp
EOF
  mkdir -p /run/sshd
  /usr/sbin/sshd -D -e -f "$keys/sshd_config" 2> "$keys/sshd.log" & sshd_pid=$!
  for _ in $(seq 50); do
    (exec 3<> "/dev/tcp/127.0.0.1/$port") 2> /dev/null && break
    sleep 0.1
  done
  class=$base/mnt
  mkdir "$class"
  if ! sshfs -p "$port" -o IdentityFile="$keys/client",StrictHostKeyChecking=no \
      -o UserKnownHostsFile=/dev/null,allow_other,reconnect "$server@127.0.0.1:$served" "$class" \
      2> "$keys/sshfs.log"; then
    grep -qiE 'fuse: (device not found|failed to open /dev/fuse)|fusermount' "$keys/sshfs.log" &&
      skip "FUSE is not available here: $(cat "$keys/sshfs.log")"
    fail "sshfs could not mount the class folder: $(cat "$keys/sshfs.log") $(cat "$keys/sshd.log")"
  fi
  mounted=$class
  pupils=8
else
  class=$base/year4
  mkdir "$class"
  chgrp "$group" "$class"
  chmod 2775 "$class"
  pupils=20
fi

gift=$base/magnets.gift
{
  for q in 1 2 3 4 5 6 7 8 9 10; do
    printf '::m%s::Magnet question %s: which pole?{=north ~south ~east ~west}\n\n' "$q" "$q"
  done
} > "$gift"
chmod a+r "$gift"
cp "$gift" "$base/forces.gift"
chmod a+r "$base/forces.gift"

# The teachers save, one after the other, each on a computer of their own; the second keeps the
# usual umask 022.
as "$teacher1" lab-t1 002 "$exe" import "$gift" --title "Magnets Y4" > /dev/null ||
  fail "the first teacher could not import into the class folder"
as "$teacher2" lab-t2 022 "$exe" import "$base/forces.gift" --title "Forces Y4" > /dev/null ||
  fail "a second teacher could not save into the class folder"
as "$teacher1" lab-t1 002 "$exe" import "$gift" --title "Magnets again" > /dev/null ||
  fail "the first teacher could not save after the second"
listed=$(tr -d '\r' < "$class/track.txt" | tail -n +2 | sort | paste -sd '|')
[ "$listed" = "Forces Y4|Magnets Y4|Magnets again" ] || fail "the catalogue lists: $listed"

# A pupil on another login and computer finds the teacher's worksheet.
as "$pupil1" lab-p1 002 "$exe" export "Magnets Y4" "$base/home/$pupil1/magnets.txt" > /dev/null ||
  fail "a pupil on another login could not export the teacher's worksheet"

# Twenty pupils (eight over sshfs) at once, each on a computer of their own.
pids=()
for n in $(seq -f %02g 1 "$pupils"); do
  who=$pupil1
  [ $((10#$n % 2)) -eq 0 ] && who=$pupil2
  as "$who" "lab-$n" 002 "$base/run/classplayer" "$base/run" "Pupil $n" "Magnets Y4" \
    > "$base/player-$n.log" 2>&1 & pids+=($!)
done
for i in "${!pids[@]}"; do
  wait "${pids[$i]}" || fail "pupil $((i + 1)) could not play: $(cat "$base/player-$(printf '%02d' $((i + 1))).log")"
done

# A writer killed in the middle of a record (stopped by the journal's test hook with half the
# record on the disk, then killed) leaves it cut off; that login's next result is whole.
cut_file=$(ls "$class/results/"*@lab-01.txt) ||
  fail "no results file of lab-01: $(ls -la "$class" "$class/results" 2>&1; cat "$base/player-01.log")"
as "$pupil1" lab-01 002 env QUORVEL_TEST_STOP_MID_RECORD=1 "$base/run/classplayer" "$base/run" \
  "Pupil 01" > "$base/killed.log" 2>&1 &
wrapper=$!
writer=""
for _ in $(seq 300); do
  writer=$(pgrep -P "$wrapper" || true)
  [ -n "$writer" ] && [[ "$(ps -o stat= -p "$writer")" == T* ]] && break
  sleep 0.1
done
[ -n "$writer" ] && kill -KILL "$writer" || fail "the writer did not stop mid-record: $(cat "$base/killed.log")"
kill -CONT "$wrapper" 2> /dev/null || true # runuser stops itself when its command stops
wait "$wrapper" && fail "the killed writer finished"
tail -c 1 "$cut_file" | grep -q . || fail "the killed writer left no cut-off record"
as "$pupil1" lab-01 002 "$base/run/classplayer" "$base/run" "Pupil 01" > "$base/again.log" 2>&1 ||
  fail "playing after a cut-off record: $(cat "$base/again.log")"

csv=$(as "$teacher1" lab-t1 002 "$exe" results --csv - 2> "$base/results.err") ||
  fail "the teacher's results: $(cat "$base/results.err")"
grep -q "1 damaged or unfinished" "$base/results.err" || fail "the cut-off record was not skipped: $(cat "$base/results.err")"
csv=$(tr -d '\r' <<< "$csv")
[ "$(head -n 1 <<< "$csv")" = "pupil,started,finished,topic,activity,score,out of,wrong" ] ||
  fail "the CSV header is $(head -n 1 <<< "$csv")"
[ "$(tail -n +2 <<< "$csv" | wc -l)" -eq $((2 * pupils + 1)) ] ||
  fail "the CSV holds $(tail -n +2 <<< "$csv" | wc -l) results, not $((2 * pupils + 1)): $csv"
for n in $(seq -f %02g 1 "$pupils"); do
  grep -q "^Pupil $n,.*,Electricity,Quiz,5,10,2 4 6 8 10$" <<< "$csv" ||
    fail "Pupil $n's Electricity quiz is not listed right"
  grep -q "^Pupil $n,.*,Magnets Y4,Worksheet,10,10,$" <<< "$csv" ||
    fail "Pupil $n's worksheet is not listed"
done
[ "$(ls "$class/results" | wc -l)" -eq "$pupils" ] ||
  fail "each login on each computer should have one results file: $(ls "$class/results")"

# Every file the programs made is the group's and writable by it, whatever the umask (on the file
# server, whatever its own umask).
on_disk=$class
[ "$mode" = sshfs ] && on_disk=$served # as the file server keeps them
bad=$(find "$on_disk" -mindepth 1 \( ! -group "$group" -o ! -perm -g+rw \) -printf '%M %g %p\n')
[ -z "$bad" ] || fail "not writable by the class's group: $bad"
[ -z "$(find "$class" -name '*.lock')" ] || fail "a lock file was left behind"
[ -n "${KEEP:-}" ] && { cp -a "$class" "$KEEP"; echo "$csv" > "$KEEP.csv"; }
echo PASS
