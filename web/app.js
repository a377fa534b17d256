// The page only lays out what the core (compiled to WebAssembly) returns; every
// rule about the file lives there. The file never leaves this computer.
import createTambreloxCore from './tambrelox_core.js';

const core = await createTambreloxCore();
const $ = (id) => document.getElementById(id);

// The project on show: the file's name and bytes, kept to ask the core again.
let shown = null;
let audio = null;
let playing = null;
let saveUrl = null;

function showMessage(element, text) {
  element.textContent = text ?? '';
  element.hidden = !text;
}

function fillTable(table, { headings, centred, rows }) {
  const head = table.createTHead();
  const headRow = head.insertRow();
  headings.forEach((text, col) => {
    const th = document.createElement('th');
    th.scope = 'col';
    th.textContent = text;
    if (centred[col]) th.className = 'centre';
    headRow.append(th);
  });
  const body = table.createTBody();
  for (const cells of rows) {
    const row = body.insertRow();
    cells.forEach((text, col) => {
      const cell = row.insertCell();
      cell.textContent = text;
      if (centred[col]) cell.className = 'centre';
    });
  }
}

function replaceTable(id, table) {
  const element = $(id);
  element.replaceChildren();
  if (table) fillTable(element, table);
}

function showSummary(summary) {
  $('spj-name').textContent = summary.file;
  $('spj-author').textContent = summary.author;
  $('spj-requirement').textContent = summary.requirement;
  replaceTable('summary-table', summary);
}

function showStartupCVs(bytes, name) {
  const cvs = core.cvTable(bytes, name);
  showMessage($('cv-message'), cvs.refused);
  replaceTable('cv-table', cvs.refused ? null : cvs);
  $('print-cvs').disabled = Boolean(cvs.refused);
}

function showClips(bytes, name) {
  const list = $('clip-list');
  list.replaceChildren(...core.clipList(bytes, name).clips.map((clip, line) => {
    const option = new Option(clip.name, String(line));
    option.dataset.fileName = clip.fileName;
    option.dataset.format = clip.format;
    option.dataset.playTime = clip.playTime;
    return option;
  }));
  $('clip-name').textContent = '- None -';
  $('clip-format').textContent = '';
  $('clip-length').textContent = '';
  showMessage($('sound-message'), '');
  for (const id of ['play-once', 'play-repeat']) $(id).disabled = true;
  setSaveLink(null);
}

// A refused file leaves the project already shown as it was.
async function showFile(file) {
  const bytes = new Uint8Array(await file.slice(0, core.largestFileRead + 1).arrayBuffer());
  const summary = core.summary(bytes, file.name);
  if (summary.refused) {
    showMessage($('message'), summary.refused);
    return;
  }
  stop();
  showMessage($('message'), '');
  shown = { bytes, name: file.name };
  showSummary(summary);
  showStartupCVs(bytes, file.name);
  $('descriptive-text').textContent = core.descriptiveText(bytes, file.name).text;
  showClips(bytes, file.name);
  $('project').hidden = false;
}

// Refusals are the core's answers; this catches the unexpected (a file the
// browser cannot read, memory running out) so that it too is said on the page.
function openFile(file) {
  showFile(file).catch((error) => showMessage($('message'), String(error)));
}

function selectedLine() {
  return $('clip-list').selectedIndex;
}

function setSaveLink(clip) {
  const link = $('save-clip');
  if (saveUrl) URL.revokeObjectURL(saveUrl);
  saveUrl = null;
  link.removeAttribute('href');
  link.setAttribute('aria-disabled', 'true');
  if (!clip) return;
  const wave = core.clipWave(shown.bytes, shown.name, clip.line);
  if (wave.refused) return;
  saveUrl = URL.createObjectURL(new Blob([wave.wave], { type: 'audio/wav' }));
  link.href = saveUrl;
  link.download = clip.fileName;
  link.setAttribute('aria-disabled', 'false');
}

function selectClip() {
  const line = selectedLine();
  if (line < 0 || !shown) return;
  const option = $('clip-list').options[line];
  $('clip-name').textContent = option.text;
  $('clip-format').textContent = option.dataset.format;
  $('clip-length').textContent = option.dataset.playTime;
  for (const id of ['play-once', 'play-repeat']) $(id).disabled = false;
  setSaveLink({ line, fileName: option.dataset.fileName });
}

// Plays a wave file the core made, decoded by the core as the desktop player's device takes it.
function play(made, repeat) {
  stop();
  const sound = made.refused ? made : core.pcmSound(made.wave);
  if (sound.refused) {
    showMessage($('sound-message'), sound.refused);
    return;
  }
  showMessage($('sound-message'), '');
  audio ??= new AudioContext();
  const frames = sound.samples.length / sound.channels;
  const buffer = audio.createBuffer(sound.channels, frames, sound.sampleRate);
  for (let channel = 0; channel < sound.channels; ++channel) {
    const data = buffer.getChannelData(channel);
    for (let i = 0; i < frames; ++i) data[i] = sound.samples[i * sound.channels + channel] / 32768;
  }
  const source = audio.createBufferSource();
  source.buffer = buffer;
  source.connect(audio.destination);
  source.onended = () => {
    if (playing === source) stop();
  };
  playing = source;
  $('stop').hidden = !repeat;
  $('play-repeat').hidden = repeat;
  audio.resume();
  source.start();
  // What was started, for anyone listening (the page's tests do).
  const detail = { seconds: buffer.duration, wave: made.wave };
  window.dispatchEvent(new CustomEvent('tambrelox-play', { detail }));
}

function stop() {
  const source = playing;
  playing = null;
  source?.stop();
  $('stop').hidden = true;
  $('play-repeat').hidden = false;
}

function printReport(report) {
  if (report.refused) {
    showMessage($('message'), report.refused);
    return;
  }
  const pages = report.text.replace(/\n$/, '').split('\n\f\n');
  $('print-pages').replaceChildren(...pages.map((text) => {
    const page = document.createElement('pre');
    page.className = 'print-page';
    page.textContent = text;
    return page;
  }));
  window.print();
}

$('spj-file').addEventListener('change', (event) => {
  const [file] = event.target.files;
  if (file) openFile(file);
  event.target.value = '';
});
document.addEventListener('dragover', (event) => {
  event.preventDefault();
  document.body.classList.add('dragging');
});
document.addEventListener('dragleave', () => document.body.classList.remove('dragging'));
document.addEventListener('drop', (event) => {
  event.preventDefault();
  document.body.classList.remove('dragging');
  const file = [...event.dataTransfer.files].find((f) => /\.spj$/i.test(f.name));
  if (file) openFile(file);
});
$('clip-list').addEventListener('change', selectClip);
$('play-once').addEventListener('click', () =>
  play(core.clipWave(shown.bytes, shown.name, selectedLine()), false));
$('play-repeat').addEventListener('click', () =>
  play(core.repeatWave(shown.bytes, shown.name, selectedLine()), true));
$('stop').addEventListener('click', stop);
$('print-summary').addEventListener('click', () =>
  printReport(core.summaryReport(shown.bytes, shown.name)));
$('print-cvs').addEventListener('click', () => printReport(core.cvReport(shown.bytes, shown.name)));
document.body.dataset.ready = 'true';
