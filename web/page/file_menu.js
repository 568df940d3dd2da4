// SPDX-FileCopyrightText: The Virenast developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What the menu "Fichier" does in the page, and the copy of the table "Troisième loi". The
// program reads and writes scenarios and measurements, and names the files; the page only
// carries the bytes: from the address's fragment or a file the user picks (read as bytes, never
// as a page), and out as a download or onto the clipboard. The picture is the page's own: the
// drawing as it is shown. It works from a page opened from disk, offline.
import { showMessageBox } from './message_box.js';
import { askEveryNthStep, showTextToCopy } from './page_dialogs.js';
import { picture } from './picture.js';

// What the program says of a scenario it opened (its FileExchange::Outcome).
const ALL_TAKEN = 0;
const ALL_REFUSED = 2;

// Hands the bytes to the browser as a download of that name.
function download(bytes, name, type) {
  const url = URL.createObjectURL(new Blob([bytes], { type }));
  const link = document.createElement('a');
  link.href = url;
  link.download = name;
  link.hidden = true;
  document.body.append(link);
  link.click();
  link.remove();
  setTimeout(() => URL.revokeObjectURL(url), 60000);  // once the browser has surely read it
}

// The bytes that the program's last writing call left, copied out of its memory.
function outputBytes(module, pointer) {
  return module.HEAPU8.slice(pointer, pointer + module._virenast_output_size());
}

const outputText = (module, pointer) => new TextDecoder().decode(outputBytes(module, pointer));

// What each command of the menu does, by the command's name.
export const FILE_ACTIONS = {
  OpenScenario: (menu) => menu.pickFile(),
  SaveScenario: (menu) => menu.saveScenario(),
  CopyLink: (menu) => menu.copyLink(),
  SaveMeasurements: (menu) => menu.saveMeasurements(),
  CopyMeasurements: (menu) => menu.copy('CopyMeasurements', outputText(menu.module, menu.module._virenast_measurements_text()),
    menu.texts.textToCopyCaption),
  SaveImage: (menu) => menu.saveImage(),
  CopyThirdLaw: (menu) => menu.copy('CopyThirdLaw', outputText(menu.module, menu.module._virenast_third_law_text()),
    menu.texts.textToCopyCaption),
};

export class FileMenu {
  // `platform` puts what the program wrote into the document; `description` names the styles;
  // `drawings()` gives the SVGs a picture takes, side by side.
  constructor(module, platform, description, drawings) {
    this.module = module;
    this.platform = platform;
    this.caption = description.caption;
    this.styles = description.messageStyles;
    this.commands = description.commands;
    this.rows = new Map(description.menuRows.map((row) => [row.fileCommand, row]));
    this.texts = description.fileTexts;
    this.fileCommands = description.fileCommands;
    this.imageScale = description.imageScale;
    this.twipsPerPixel = description.twipsPerPixel;
    this.drawings = drawings;
    this.picker = document.createElement('input');
    this.picker.type = 'file';
    this.picker.accept = '.virenast';
    this.picker.hidden = true;
    this.picker.addEventListener('change', () => {
      const [file] = this.picker.files;
      if (file) this.openFile(file);
    });
    document.body.append(this.picker);
  }

  choose(row) { return FILE_ACTIONS[row.fileCommand](this); }

  // The browser's file dialog; the file chosen comes as the input's change.
  pickFile() {
    this.picker.value = '';
    this.picker.click();
  }

  // Only the measurements wait for a run.
  enabled(row) {
    return !['SaveMeasurements', 'CopyMeasurements'].includes(row.fileCommand) || this.module._virenast_has_measurements() !== 0;
  }

  // The name the program gives a file of that command ("mesures-2026-12-09-14h05m32.csv").
  fileName(command) { return this.module.UTF8ToString(this.module._virenast_default_file_name(this.fileCommands[command])); }

  // Puts a scenario's first bytes, no more than the program reads, where it reads them: more is
  // refused for its size without being copied whole.
  writeScenario(bytes) {
    const read = bytes.subarray(0, this.module._virenast_scenario_read_limit());
    const buffer = this.module._virenast_scenario_buffer(read.length);
    this.module.HEAPU8.set(read, buffer);  // (read after the buffer is made: the memory may have grown)
  }

  // A scenario from an address (its fragment): the boxes and the scroll bar take it, nothing
  // else happens. Returns what the program said of it, for `tell`.
  readLink(address) {
    this.writeScenario(new TextEncoder().encode(address));
    const outcome = this.module._virenast_open_scenario_link();
    this.platform.show();
    return outcome;
  }

  openLink(address) { return this.opened(this.readLink(address)); }

  // A file, read as bytes.
  async openFile(file) {
    const limit = this.module._virenast_scenario_read_limit();
    this.writeScenario(new Uint8Array(await file.slice(0, limit).arrayBuffer()));
    const outcome = this.module._virenast_open_scenario_file();
    this.platform.show();
    return this.opened(outcome);
  }

  // Once a scenario is read: what it left out said, its choices shown, and the bodies placed as
  // its boxes say, as "Réinitialiser le graphique" does (a bad value then shows "Erreur").
  async opened(outcome) {
    await this.tell(outcome);
    if (outcome === ALL_REFUSED) return;
    this.choicesChanged();
    this.platform.raise(this.commands.ResetScene);
  }

  // Set by the page: shows the choices anew.
  choicesChanged() {}

  // What the program left out of a scenario, in a message box: all of it refused as an error,
  // a part of it as information.
  async tell(outcome) {
    if (outcome === ALL_TAKEN) return;
    const styleName = outcome === ALL_REFUSED ? 'Critical' : 'Information';
    const text = this.module.UTF8ToString(this.module._virenast_scenario_messages());
    await showMessageBox(text, this.caption, {
      style: this.styles[styleName], styleName, program: this.module, placement: this.platform.form.boxPlacement,
    });
  }

  saveScenario() {
    download(outputBytes(this.module, this.module._virenast_scenario_file()), this.texts.scenarioFileName, 'application/octet-stream');
  }

  // The page's own address, without its fragment, then the scenario's pairs.
  link() {
    const pairs = this.module.UTF8ToString(this.module._virenast_scenario_link());
    return `${location.href.split('#')[0]}#${pairs}`;
  }

  copyLink() { return this.copy('CopyLink', this.link(), this.texts.linkToCopyCaption); }

  // The text onto the clipboard, for the item of that command.
  async copy(command, text, caption = '') {
    try {
      await navigator.clipboard.writeText(text);
    } catch {
      // Refused (a page from disk in some browsers), or no clipboard: the user copies it.
      await showTextToCopy(this.rows.get(command).spokenName, caption, text);
    }
  }

  async saveImage() {
    const png = await picture(this.drawings(), this.imageScale, this.twipsPerPixel);
    download(png, this.fileName('SaveImage'), 'image/png');
  }

  async saveMeasurements() {
    const everyNth = await askEveryNthStep(this.rows.get('SaveMeasurements').spokenName, this.texts);
    if (everyNth === null) return;
    const csv = outputBytes(this.module, this.module._virenast_measurements_csv(everyNth));
    download(csv, this.fileName('SaveMeasurements'), 'text/csv;charset=utf-8');
  }
}
